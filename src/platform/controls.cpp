#include "platform/controls.h"

#include <QFontDatabase>
#include <algorithm>
#include <QMouseEvent>
#include <QPainter>

#include "core/numbers.h"
#include "core/text.h"
#include "geo/coord_text.h"
#include "platform/guard.h"

namespace kestrel {

QFont LayoutFont(const QString& family, int pixelSize, bool bold) {
  QFont f(family);
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

void SetTextColor(QWidget* w, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, c);
  p.setColor(QPalette::Text, c);
  w->setPalette(p);
}

void SetFieldColors(QWidget* w, const QColor& field, const QColor& text) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, field);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::ButtonText, text);
  w->setPalette(p);
}

void InstallFontSubstitutions() {
  for (const char* name : {"MS Sans Serif", "Arial"})
    QFont::insertSubstitution(QString::fromLatin1(name), QStringLiteral("Liberation Sans"));
}

TSpeedButton::TSpeedButton(const QString& name, QWidget* parent) : QToolButton(parent) {
  setObjectName(name);
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
  setToolButtonStyle(Qt::ToolButtonTextOnly);
  setFontColor(colors::Navy);
}

void TSpeedButton::setFontColor(const QColor& c) {
  fontColor_ = c;
  QPalette p = palette();
  // A disabled button keeps the style's greyed text.
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::ButtonText, c);
    p.setColor(group, QPalette::WindowText, c);
  }
  setPalette(p);
}

void TSpeedButton::setBold(bool bold) {
  QFont f = font();
  f.setBold(bold);
  setFont(f);
}

TPanel::TPanel(const QString& name, QWidget* parent) : QFrame(parent) {
  setObjectName(name);
  setAutoFillBackground(true);
}

void TPanel::setColor(const QColor& c) {
  QPalette p = palette();
  p.setColor(QPalette::Window, c);
  setPalette(p);
}

void TPanel::setBevels(Bevel outer, Bevel inner) {
  outer_ = outer;
  inner_ = inner;
  update();
}

namespace {
void DrawBevel(QPainter& p, QRect r, TPanel::Bevel b) {
  if (b == TPanel::Bevel::None) return;
  QColor light(255, 255, 255), dark(128, 128, 128);
  QColor tl = b == TPanel::Bevel::Raised ? light : dark;
  QColor br = b == TPanel::Bevel::Raised ? dark : light;
  p.setPen(tl);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(br);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}
}  // namespace

void TPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paintFrame(p);
}

void TPanel::paintFrame(QPainter& p) {
  QRect r = rect().adjusted(0, 0, -1, -1);
  if (single_) {
    p.setPen(Qt::black);
    p.drawRect(r);
    r.adjust(1, 1, -1, -1);
  }
  DrawBevel(p, r, outer_);
  if (outer_ != Bevel::None) r.adjust(1, 1, -1, -1);
  DrawBevel(p, r, inner_);
  if (!caption_.empty()) {
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    p.drawText(rect().adjusted(2, 0, -2, 0), static_cast<int>(align_) | Qt::TextSingleLine,
               L1(CaptionDisplayText(caption_)));
  }
}

void TPanel::mouseDoubleClickEvent(QMouseEvent* e) {
  emit doubleClicked();
  QFrame::mouseDoubleClickEvent(e);
}

void TPanel::mouseMoveEvent(QMouseEvent* e) {
  emit mouseMoved();
  QFrame::mouseMoveEvent(e);
}

TCurrencyEdit::TCurrencyEdit(const QString& name, const char* displayFormat, QWidget* parent)
    : QLineEdit(parent), format_(displayFormat) {
  setObjectName(name);
  setValue(0);
}

void TCurrencyEdit::setValue(long double v) {
  value_ = v;
  setText(v == 0 ? QString() : L1(FormatFloat(format_, v)));
}

TTimer::TTimer(int intervalMs, QObject* parent) : QObject(parent) {
  connect(&timer_, &QTimer::timeout, this, &TTimer::timeout);
  setInterval(intervalMs);
}

void TTimer::setInterval(int ms) {
  interval_ = ms;
  if (ms <= 0)
    timer_.stop();
  else
    timer_.start(ms);
}

TStatusBar::TStatusBar(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setAutoFillBackground(true);
}

void TStatusBar::addPanel(const std::string& text, int width, Qt::Alignment align) {
  panels_.push_back({text, width, align});
  update();
}

void TStatusBar::setPanelText(int i, const std::string& latin1) {
  panels_.at(i).text = latin1;
  update();
}

void TStatusBar::setPanelWidth(int i, int w) {
  panels_.at(i).width = w;
  update();
}

void TStatusBar::setColor(const QColor& c) {
  color_ = c;
  QPalette p = palette();
  p.setColor(QPalette::Window, c);
  setPalette(p);
}

void TStatusBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setFont(font());
  int x = 0;
  for (size_t i = 0; i < panels_.size(); ++i) {
    const Panel& pn = panels_[i];
    // The last panel reaches to the right edge.
    int w = i + 1 == panels_.size() ? std::max(pn.width, width() - x) : pn.width;
    QRect r(x, 2, w - 2, height() - 2);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(Qt::white);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(r.adjusted(2, 0, -2, 0), static_cast<int>(pn.align | Qt::AlignVCenter) | Qt::TextSingleLine,
               L1(pn.text));
    x += pn.width;
  }
}

void TStatusBar::mouseDoubleClickEvent(QMouseEvent* e) {
  emit doubleClicked();
  QWidget::mouseDoubleClickEvent(e);
}

}  // namespace kestrel

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

namespace kestrel {

TLabel::TLabel(const QString& name, QWidget* parent) : QLabel(parent) {
  setObjectName(name);
  setTextFormat(Qt::PlainText);
}

void TLabel::setTextL1(const std::string& latin1) { setText(L1(latin1)); }
std::string TLabel::textL1() const { return L1(text()); }

void TLabel::mouseDoubleClickEvent(QMouseEvent* e) {
  emit doubleClicked();
  QLabel::mouseDoubleClickEvent(e);
}
void TLabel::enterEvent(QEnterEvent* e) {
  emit mouseEntered();
  QLabel::enterEvent(e);
}
void TLabel::leaveEvent(QEvent* e) {
  emit mouseLeft();
  QLabel::leaveEvent(e);
}

TComboBox::TComboBox(const QString& name, QWidget* parent) : QComboBox(parent) {
  setObjectName(name);
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  lineEdit()->setValidator(new Latin1Validator(lineEdit()));
  installEventFilter(this);
  lineEdit()->installEventFilter(this);
  view()->installEventFilter(this);
  connect(this, &QComboBox::editTextChanged, this, [this] {
    if (dropped_) highlightMatch();
  });
}

namespace {
bool IsTypedCharacter(const QKeyEvent* k) {
  if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString t = k->text();
  return t.size() == 1 && t[0].unicode() >= 0x20 && t[0].unicode() != 0x7F;
}
}  // namespace

bool TComboBox::eventFilter(QObject* watched, QEvent* e) {
  if (watched == this && e->type() == QEvent::FocusOut) {
    auto reason = static_cast<QFocusEvent*>(e)->reason();
    // Opening the list or another window taking over is no exit from the box.
    // The exit is reported once the focus change is complete, so that its handler may give
    // the focus back to the box.
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && !dropped_)
      QMetaObject::invokeMethod(this, &TComboBox::exited, Qt::QueuedConnection);
    return false;
  }
  // Keys reach the box itself (its edit is behind it) or, while the list is open, the list.
  if ((watched == this || watched == lineEdit() || watched == view()) && e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (IsTypedCharacter(k)) {
      typeCharacter(k->text());
      return true;
    }
    if (watched == view() && k->key() == Qt::Key_Backspace) {
      lineEdit()->backspace();
      return true;
    }
  }
  return QComboBox::eventFilter(watched, e);
}

void TComboBox::typeCharacter(QString text) {
  if (keyPress_) guard([&] { keyPress_(text); });
  if (text.isEmpty()) return;
  if (lineEdit()->text().size() - lineEdit()->selectedText().size() + text.size() > maxTyped_) return;
  lineEdit()->insert(text);  // the edit's validator applies
}

int TComboBox::highlightedRow() const {
  const QString text = currentText();
  if (text.isEmpty()) return -1;
  for (int i = 0; i < count(); ++i)
    if (itemText(i).startsWith(text, Qt::CaseInsensitive)) return i;
  return -1;
}

void TComboBox::highlightMatch() {
  int row = highlightedRow();
  if (row < 0) return;
  QModelIndex index = model()->index(row, modelColumn(), rootModelIndex());
  view()->setCurrentIndex(index);
  view()->scrollTo(index, QAbstractItemView::PositionAtTop);
}

void TComboBox::addItemL1(const std::string& latin1) {
  QString item = L1(latin1);
  QString text = currentText();
  if (!sorted_) {
    addItem(item);
  } else {
    int lo = 0, hi = count();
    while (lo < hi) {
      int mid = (lo + hi) / 2;
      if (QString::compare(itemText(mid), item, Qt::CaseInsensitive) <= 0)
        lo = mid + 1;
      else
        hi = mid;
    }
    insertItem(lo, item);
  }
  // Adding items never changes the text in the edit field.
  if (lineEdit() && lineEdit()->text() != text) lineEdit()->setText(text);
}

void TComboBox::clearAll() {
  clear();
  if (lineEdit()) lineEdit()->clear();
}

void TComboBox::setTextL1(const std::string& latin1) {
  if (lineEdit()) lineEdit()->setText(L1(latin1));
}

std::string TComboBox::textL1() const { return L1(currentText()); }

void TComboBox::showPopup() {
  if (dropped_) return;
  dropped_ = true;
  emit dropDown();
  // The list is as wide as its longest entry needs (within reason), so entries show whole.
  int wanted = view()->sizeHintForColumn(0) + 2 * view()->frameWidth() + 20;
  view()->setMinimumWidth(std::clamp(wanted, width(), 480));
  view()->setTextElideMode(Qt::ElideRight);
  QComboBox::showPopup();
}

void TComboBox::hidePopup() {
  QComboBox::hidePopup();
  dropped_ = false;
}

}  // namespace kestrel

namespace kestrel {

QValidator::State Latin1Validator::validate(QString& input, int&) const {
  for (QChar c : input)
    if (c.unicode() > 0xFF) return Invalid;
  return Acceptable;
}

namespace {
class EventHook : public QObject {
 public:
  EventHook(QObject* parent, QEvent::Type type, std::function<void()> fn)
      : QObject(parent), type_(type), fn_(std::move(fn)) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == type_) guard(fn_);
    return false;
  }
 private:
  QEvent::Type type_;
  std::function<void()> fn_;
};
}  // namespace

void OnDoubleClick(QWidget* w, std::function<void()> fn) {
  w->installEventFilter(new EventHook(w, QEvent::MouseButtonDblClick, std::move(fn)));
}

void BindHemisphereToggle(QLineEdit* box, char a, char b) {
  OnDoubleClick(box, [box, a, b] {
    box->setText(L1(ToggleHemisphere(L1(box->text()), a, b)));
    box->end(false);
  });
}

void OnFocusIn(QWidget* w, std::function<void()> fn) {
  w->installEventFilter(new EventHook(w, QEvent::FocusIn, std::move(fn)));
}

}  // namespace kestrel
