#pragma once
// The settings file's text, written by the application itself so that every byte can be checked on its way
// to disk, in the INI form QSettings reads and writes: the same keys and values, escaped as QSettings
// escapes them, so a file written here reads back through QSettings unchanged and a file QSettings wrote
// reads here.
#include <QByteArray>
#include <map>
#include <string>

namespace pellox::app::settingsFile {

using Values = std::map<std::string, std::string, std::less<>>;

// A key as QSettings writes it in a section ("a/b" in section "a" is "b"; '/' inside a key is '\').
void appendEscapedKey(std::string_view key, QByteArray& out);
// A string value as QSettings writes it: control characters escaped, quoted when it holds ';', ',' or '='
// or starts or ends with a space, a leading '@' doubled, one holding a NUL as "@String(...)". The value is
// UTF-8; invalid sequences are written as U+FFFD, as QSettings would have stored them.
void appendEscapedValue(std::string_view value, QByteArray& out);
// The whole file: keys without a section under [General], then one section per group, each sorted by key.
QByteArray text(const Values& values);

}  // namespace pellox::app::settingsFile
