// The base of every window: caption, fixed client size, colour, centred on the desktop,
// an activation handler, and no closing by Escape.
#pragma once
#include <QDialog>
#include <QSize>

namespace kestrel {

class TForm : public QDialog {
  Q_OBJECT
 public:
  TForm(const QString& name, const QString& caption, QSize clientSize, const QColor& color,
        QWidget* parent = nullptr);
  // Centres the window on the desktop (the whole virtual desktop).
  void centreOnDesktop();
  // Shows the window modally through the modal service and returns when it has closed.
  void showModalWindow();

 protected:
  // Runs each time the window becomes the active window.
  virtual void FormActivate() {}
  // True when the window has already been active since it was last shown: the user comes
  // back to it from another program or from a message box. Windows whose activation work
  // belongs to each showing skip it then.
  bool reactivated() const { return activationsThisShowing_ > 1; }
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  bool centred_ = false;
  int activationsThisShowing_ = 0;
};

}  // namespace kestrel

namespace kestrel {
class TSpeedButton;
// A flat button on a small panel of the given colour that closes `form` when clicked.
TSpeedButton* AddCloseButton(TForm* form, const QString& name, const QRect& panelRect,
                             const QColor& panelColor, const QString& caption);
}  // namespace kestrel
