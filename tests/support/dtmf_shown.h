#pragma once
// What the DTMF window shows, control by control, as "name" -> text: the
// code boxes' texts, the lists' texts and selected indexes ("name.ListIndex"),
// the check boxes' values ("0", "1"), the enabled state of the ID controls
// ("name.Enabled") and the transfer display. Tests compare what they expect
// of a few controls, or the whole state before and after.

#include <QMap>
#include <QString>
#include <QStringList>

class frm_dtmf;

using DtmfShown = QMap<QString, QString>;

DtmfShown ShownBy(const frm_dtmf& window);

// Entries of the form "name=value"; returns the ones the window does not
// show as they say, as "name: shown, expected".
QStringList Mismatches(const DtmfShown& shown, const QStringList& expected);
