#include "home/Unit3.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "platform/controls.h"

namespace kestrel {

THome::THome(QWidget* parent)
    : TForm(QStringLiteral("Home"), QStringLiteral("Home Parameters"), QSize(186, 184),
            colors::Sand, parent) {
  auto label = [this](const QString& text, int x, int y) {
    auto* l = new QLabel(text, this);
    l->move(x, y);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colors::Navy);
    l->setPalette(p);
    return l;
  };
  label(QString::fromLatin1("N\xB0'/ S\xB0'"), 8, 10);
  Edit1 = new QLineEdit(this);
  Edit1->setGeometry(70, 6, 100, 21);
  Edit1->setToolTip(QString::fromLatin1("Double click to change NS\xB0"));
  label(QString::fromLatin1("W\xB0'/ E\xB0'"), 8, 34);
  Edit2 = new QLineEdit(this);
  Edit2->setGeometry(70, 30, 100, 21);
  Edit2->setToolTip(QString::fromLatin1("Double click to change WE\xB0"));
  CheckBox2 = new QCheckBox(QStringLiteral("Display Military Time"), this);
  CheckBox2->setGeometry(8, 84, 170, 17);
  CheckBox1 = new QCheckBox(QStringLiteral("Display Long Path"), this);
  CheckBox1->setGeometry(8, 102, 170, 17);
  label(QStringLiteral("Distance:"), 8, 124);
  RadioButton1 = new QRadioButton(QStringLiteral("Miles"), this);
  RadioButton1->setGeometry(60, 122, 55, 17);
  RadioButton2 = new QRadioButton(QStringLiteral("Kilometers"), this);
  RadioButton2->setGeometry(60, 138, 80, 17);
  connect(CheckBox1, &QCheckBox::toggled, this, &THome::longPathChanged);
  AddCloseButton(this, QStringLiteral("SpeedButton54"), QRect(60, 160, 66, 20),
                 colors::Tan,
                 QStringLiteral("Save"));
}

bool THome::miles() const { return RadioButton1->isChecked(); }
bool THome::longPath() const { return CheckBox1->isChecked(); }
void THome::setLongPath(bool on) { CheckBox1->setChecked(on); }

}  // namespace kestrel
