#pragma once
// A read/write password box: every character shown as "*", and only what a
// password box lets in is kept (link/password_entry.h: printable ASCII, six
// characters between the blanks). A pasted text is cut down at once. An
// editor or a whole-image dialog hands the box's text to its transfer as the
// transfer starts.

#include <QString>
#include <functional>

class KitText;

// Sets up the box; changed(text), when given, runs for every change of the
// text it keeps.
void SetUpPasswordBox(KitText& box, std::function<void(const QString&)> changed = nullptr);
