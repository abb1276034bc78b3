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
  // Runs when the window becomes the program's active window: at its showing, and when the
  // user comes to it from another of the program's windows. Coming back to the same window
  // from another program, or from one of its message boxes, does not run it again.
  virtual void FormActivate() {}
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  bool centred_ = false;
};

}  // namespace kestrel

namespace kestrel {
class TSpeedButton;
// A flat button on a small panel of the given colour that closes `form` when clicked.
TSpeedButton* AddCloseButton(TForm* form, const QString& name, const QRect& panelRect,
                             const QColor& panelColor, const QString& caption);
}  // namespace kestrel
