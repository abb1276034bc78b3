#include "platform/guard.h"

#include <exception>

#include "platform/services.h"

namespace kestrel {

void guard(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const Abort&) {
  } catch (const std::exception& e) {
    services().messages->error(QString::fromLatin1(e.what()));
  }
}

void CentredWarning(const QString& text) {
  QRect d = services().pointer->desktop();
  services().pointer->setPos(QPoint(d.x() + d.width() / 2 + 10, d.y() + d.height() / 2 + 30));
  services().messages->warning(text);
}

void CentredWarning(const std::string& latin1Text) { CentredWarning(L1(latin1Text)); }

}  // namespace kestrel
