#include "platform/app_style.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

#include "platform/controls.h"

namespace kestrel {
namespace {
class KestrelStyle : public QProxyStyle {
 public:
  KestrelStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* ret) const override {
    if (hint == QStyle::SH_ToolTip_WakeUpDelay) return 100;
    return QProxyStyle::styleHint(hint, option, widget, ret);
  }
};
}  // namespace

void InstallAppStyle() {
  InstallFontSubstitutions();
  QApplication::setStyle(new KestrelStyle);
  QApplication::setFont(LayoutFont("MS Sans Serif", 11));
}

}  // namespace kestrel
