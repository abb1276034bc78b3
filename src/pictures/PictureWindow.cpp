#include "pictures/PictureWindow.h"

#include <QImageReader>
#include <QLabel>

#include "core/text_file.h"
#include "pictures/picture_layout.h"
#include "platform/controls.h"
#include "platform/guard.h"
#include "platform/services.h"

namespace kestrel {

TPictureWindow::TPictureWindow(const QString& name, const QString& caption, QSize designClient,
                               const std::string& file, QRect panelRect, QWidget* parent)
    : TForm(name, caption, designClient, colors::Tan, parent), file_(file) {
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->move(0, 0);
  Panel23 = new TPanel(QStringLiteral("Panel23"), this);
  Panel23->setGeometry(panelRect);
  Panel23->setColor(colors::Tan);
  Panel23->setBevels(TPanel::Bevel::None, TPanel::Bevel::None);
  SpeedButton20 = new TSpeedButton(QStringLiteral("SpeedButton20"), Panel23);
  SpeedButton20->setGeometry(0, 0, panelRect.width(), panelRect.height());
  SpeedButton20->setText(QStringLiteral("OK"));
  connect(SpeedButton20, &QToolButton::clicked, this, [this] { close(); });
}

void TPictureWindow::showEvent(QShowEvent* e) {
  warnedThisShowing_ = false;  // each showing warns about a bad picture once
  TForm::showEvent(e);
}

void TPictureWindow::FormActivate() {
  const std::string path = JoinPath(services().programFolder, file_);
  const QString name = QString::fromLatin1(file_.c_str());
  if (!FileExists(path)) {
    if (!warnedThisShowing_) {
      warnedThisShowing_ = true;
      CentredWarning(QStringLiteral("File: '%1' not found.").arg(name));
    }
    return;
  }
  QImageReader reader(QString::fromStdString(path));
  const QImage picture = reader.read();
  if (picture.isNull()) {
    // The window keeps its previous picture, size and place.
    if (!warnedThisShowing_) {
      warnedThisShowing_ = true;
      CentredWarning(QStringLiteral("File: '%1' is not a readable picture.").arg(name));
    }
    return;
  }
  Image1->setPixmap(QPixmap::fromImage(picture));
  Image1->resize(picture.size());
  const QRect screen = services().pointer->primaryScreen();
  const QRect frame = frameGeometry();
  const PictureWindowLayout l = LayoutPictureWindow(picture.width(), picture.height(), frame.x(), frame.y(),
                                                    Panel23->x(), Panel23->y(), screen.width(), screen.height());
  services().pointer->setPos(QPoint(l.pointerX, l.pointerY));
  // The layout speaks of the outer size; the frame's share is taken off for the client area.
  const QSize frameExtra = frame.size() - size();
  setFixedSize(l.outerWidth - frameExtra.width(), l.outerHeight - frameExtra.height());
  move(l.left, l.top);
  Panel23->move(l.panelLeft, l.panelTop);
}

}  // namespace kestrel
