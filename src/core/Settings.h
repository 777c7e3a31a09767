#pragma once

#include <QString>

namespace orvex {

// The two KEY=value settings files: the workstation's sdata.opt and the practice's net.opt.
// Files are read afresh on every call; a missing or unusable file reads as empty.
//
// A settings text (and a change list) is a run of "KEY=value##" entries.

// The lines carrying the keys of a "KEY1;KEY2;" list, in the order asked for; all lines for "".
QString ReadSettingsGroup(const QString& file, const QString& keys);
// The value of the upper-case key in a settings text; empty when absent.
QString GetSettingText(const QString& name, const QString& settingsText);
// The value read as a whole number; 0 when absent, empty or not a number.
int GetSettingInt(const QString& name, const QString& settingsText);
// Appends NAME=value## to a change list.
void AppendSetting(const QString& name, const QString& value, QString& changeList);
// Writes each setting of the change list over the first line carrying its key, or appends it.
// Throws FileError when the file cannot be written.
void WriteSettingsGroup(const QString& file, const QString& changeList);

// The workstation settings file.
QString ReadSetting(const QString& name);
int ReadSettingInt(const QString& name);  // throws ConversionError on a value that is not a number
void WriteSetting(const QString& name, const QString& value);
void WriteSettingInt(const QString& name, int value);

}  // namespace orvex
