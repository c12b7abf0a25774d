#pragma once
// What the about box asks of the operating system: a value of its settings
// store and the start of a program. Linux has no such store, so every lookup
// finds nothing and the about box shows its message instead.

#include <QString>

enum class RegistryRoot { LocalMachine };

// Reads the value `name` of the key `key`; false (and `value` empty) when
// there is none.
bool ReadRegistryValue(RegistryRoot root, const QString& key, const QString& name, QString& value);

// Starts the program at `path` in a window of its own; false when it cannot.
bool StartProgram(const QString& path);
