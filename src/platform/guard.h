// Error handling of event handlers. A handler that fails throws; guard() reports the
// exception's text in the standard error box, and the program runs on. After an input warning
// a caller throws Abort to end the whole user action without a second box.
#pragma once
#include <QString>
#include <functional>
#include <string>

namespace kestrel {

struct Abort {};

// Runs `fn`; an exception ends it and is reported (Abort silently).
void guard(const std::function<void()>& fn);

// Moves the mouse pointer to the desktop's centre plus (10, 30) and shows a warning box with
// one OK button. Every input warning of the program goes through here.
void CentredWarning(const QString& text);
void CentredWarning(const std::string& latin1Text);

// Latin-1 core text to and from the window side.
inline QString L1(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string L1(const QString& s) { return s.toLatin1().toStdString(); }

}  // namespace kestrel
