// Controls with the behaviour the program's windows rely on.
#pragma once
#include <QColor>
#include <QFrame>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <string>
#include <vector>

namespace kestrel {

// Named colours of the windows.
namespace colors {
inline const QColor Navy{0, 0, 128};
inline const QColor Maroon{128, 0, 0};
inline const QColor White{255, 255, 255};
inline const QColor Black{0, 0, 0};
inline const QColor Tan{192, 176, 144};
inline const QColor Sand{224, 208, 168};
}  // namespace colors

// Fonts by the names the layouts use ("MS Sans Serif", "Arial"), with their pixel sizes.
QFont LayoutFont(const QString& family, int pixelSize, bool bold = false);
// Maps the layout's font names onto Liberation Sans, which has their metrics.
void InstallFontSubstitutions();

// The text colour of a control (labels, check boxes, radio buttons, edits).
void SetTextColor(QWidget* w, const QColor& c);
// The field and text colours of an edit or a combo box.
void SetFieldColors(QWidget* w, const QColor& field, const QColor& text);

// A flat button with a caption, a font colour and an optional two-state (stays down) mode.
class TSpeedButton : public QToolButton {
  Q_OBJECT
 public:
  TSpeedButton(const QString& name, QWidget* parent);
  void setFontColor(const QColor& c);
  QColor fontColor() const { return fontColor_; }
  void setBold(bool bold);
  bool isBold() const { return font().bold(); }
  void setHint(const QString& hint) { setToolTip(hint); }
 private:
  QColor fontColor_;
};

// A panel: background colour, outer and inner bevels, an optional caption.
class TPanel : public QFrame {
  Q_OBJECT
 public:
  enum class Bevel { None, Raised, Lowered };
  TPanel(const QString& name, QWidget* parent);
  void setColor(const QColor& c);
  void setBevels(Bevel outer, Bevel inner);
  void setBorderSingle(bool on) { single_ = on; update(); }
  // The caption as the windows set it: "&&" shows a single "&".
  void setCaption(const std::string& latin1) { caption_ = latin1; update(); }
  const std::string& caption() const { return caption_; }
  void setCaptionAlignment(Qt::Alignment a) { align_ = a; update(); }
 signals:
  void doubleClicked();
  void mouseMoved();
 protected:
  void paintEvent(QPaintEvent*) override;
  // The border, the bevels and the caption, drawn over whatever the panel shows.
  void paintFrame(QPainter& p);
  void mouseDoubleClickEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
 private:
  Bevel outer_ = Bevel::Raised, inner_ = Bevel::None;
  bool single_ = false;
  std::string caption_;
  Qt::Alignment align_ = Qt::AlignCenter;
};

// A numeric field with a display format ("00.00", "0"). The value is kept exactly; the text is
// the value formatted, and empty for the value 0.
class TCurrencyEdit : public QLineEdit {
  Q_OBJECT
 public:
  TCurrencyEdit(const QString& name, const char* displayFormat, QWidget* parent);
  void setValue(long double v);
  long double value() const { return value_; }
 private:
  long double value_ = 0;
  std::string format_;
};

// A timer whose interval 0 means stopped.
class TTimer : public QObject {
  Q_OBJECT
 public:
  TTimer(int intervalMs, QObject* parent);
  void setInterval(int ms);
  int interval() const { return interval_; }
  bool running() const { return timer_.isActive(); }
 signals:
  void timeout();
 private:
  QTimer timer_;
  int interval_ = 0;
};

// A status bar of panels, each with a text and a width.
class TStatusBar : public QWidget {
  Q_OBJECT
 public:
  struct Panel {
    std::string text;
    int width;
    Qt::Alignment align;
  };
  TStatusBar(const QString& name, QWidget* parent);
  void addPanel(const std::string& text, int width, Qt::Alignment align = Qt::AlignLeft);
  void setPanelText(int i, const std::string& latin1);
  const std::string& panelText(int i) const { return panels_.at(i).text; }
  void setPanelWidth(int i, int w);
  int panelWidth(int i) const { return panels_.at(i).width; }
  void setColor(const QColor& c);
 signals:
  void doubleClicked();
 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;
 private:
  std::vector<Panel> panels_;
  QColor color_;
};

}  // namespace kestrel

#include <QComboBox>
#include <QLabel>
#include <functional>

namespace kestrel {

// A label that reports double-clicks and the pointer entering and leaving it.
class TLabel : public QLabel {
  Q_OBJECT
 public:
  TLabel(const QString& name, QWidget* parent);
  void setTextL1(const std::string& latin1);
  std::string textL1() const;
 signals:
  void doubleClicked();
  void mouseEntered();
  void mouseLeft();
 protected:
  void mouseDoubleClickEvent(QMouseEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;
};

// A drop-down combo box with an edit field. It reports the opening of its list, knows whether
// the list is open, and (when sorted) keeps its items in case-insensitive order.
class TComboBox : public QComboBox {
  Q_OBJECT
 public:
  TComboBox(const QString& name, QWidget* parent);
  void setSorted(bool on) { sorted_ = on; }
  // Adds an item; a sorted box puts it in its place, otherwise it goes last.
  void addItemL1(const std::string& latin1);
  // Empties the text and removes every item.
  void clearAll();
  void setTextL1(const std::string& latin1);
  std::string textL1() const;
  bool droppedDown() const { return dropped_; }
  void showPopup() override;
  void hidePopup() override;
  // Called with every character typed into the box, before it goes in; it may change it.
  // Typing goes into the text also while the list is open, and the open list then highlights
  // the first entry that begins with the text typed so far (case-insensitive).
  void setKeyPressHandler(std::function<void(QString&)> handler) { keyPress_ = std::move(handler); }
  // At most this many characters can be typed; an entry taken from the list may be longer.
  void setMaxTyped(int n) { maxTyped_ = n; }
  // The row the open list highlights for the current text, or -1.
  int highlightedRow() const;
 signals:
  void dropDown();
  // The box lost the keyboard focus to another control of its window.
  void exited();
 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
 private:
  void typeCharacter(QString text);
  void highlightMatch();
  bool sorted_ = false;
  bool dropped_ = false;
  std::function<void(QString&)> keyPress_;
  int maxTyped_ = 32767;
};

}  // namespace kestrel

#include <QValidator>
#include <functional>

namespace kestrel {

// Refuses, at the edit box, any character that Latin-1 cannot hold, so what is saved reads
// back the same.
class Latin1Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

// Runs `fn` (guarded) when `w` is double-clicked.
void OnDoubleClick(QWidget* w, std::function<void()> fn);
// A coordinate box's hemisphere switch on double click: letters a (N or W) and b (S or E);
// the caret goes behind the last character.
void BindHemisphereToggle(QLineEdit* box, char a, char b);
// Runs `fn` (guarded) when `w` receives the keyboard focus.
void OnFocusIn(QWidget* w, std::function<void()> fn);

}  // namespace kestrel
