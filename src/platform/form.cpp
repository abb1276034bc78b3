#include "platform/form.h"

#include <QKeyEvent>

#include "platform/controls.h"
#include "platform/guard.h"
#include "platform/services.h"

namespace kestrel {

TForm::TForm(const QString& name, const QString& caption, QSize clientSize, const QColor& color,
             QWidget* parent)
    : QDialog(parent) {
  setObjectName(name);
  setWindowTitle(caption);
  setFixedSize(clientSize);
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  setAutoFillBackground(true);
  setFont(LayoutFont("MS Sans Serif", 11));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void TForm::centreOnDesktop() {
  QRect d = services().pointer->primaryScreen();
  QRect f = frameGeometry();
  move(d.x() + (d.width() - f.width()) / 2, d.y() + (d.height() - f.height()) / 2);
}

void TForm::showModalWindow() { services().modal->showModal(*this); }

bool TForm::event(QEvent* e) {
  bool r = QDialog::event(e);
  if (e->type() == QEvent::WindowActivate) {
    if (activationsThisShowing_ < 2) ++activationsThisShowing_;  // first, or a return
    guard([this] { FormActivate(); });
  }
  return r;
}

void TForm::hideEvent(QHideEvent* e) {
  activationsThisShowing_ = 0;  // the next showing's first activation is a new one
  QDialog::hideEvent(e);
}

void TForm::keyPressEvent(QKeyEvent* e) {
  // The windows close only by their own buttons and close boxes, never by Escape.
  if (e->key() == Qt::Key_Escape) {
    e->ignore();
    return;
  }
  QDialog::keyPressEvent(e);
}

void TForm::showEvent(QShowEvent* e) {
  if (!centred_) {
    centred_ = true;
    centreOnDesktop();
  }
  QDialog::showEvent(e);
}

}  // namespace kestrel

namespace kestrel {
TSpeedButton* AddCloseButton(TForm* form, const QString& name, const QRect& panelRect,
                             const QColor& panelColor, const QString& caption) {
  auto* panel = new TPanel(name + "Panel", form);
  panel->setGeometry(panelRect);
  panel->setColor(panelColor);
  panel->setBevels(TPanel::Bevel::None, TPanel::Bevel::None);
  auto* b = new TSpeedButton(name, panel);
  b->setText(caption);
  b->setGeometry(0, 0, panelRect.width(), panelRect.height());
  QObject::connect(b, &QToolButton::clicked, form, [form] { form->close(); });
  return b;
}
}  // namespace kestrel
