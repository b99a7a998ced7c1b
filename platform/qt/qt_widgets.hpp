// The Qt host's own widgets, shared by its windows, controls and menu bar: the client area, the
// coloured strips (caption and menu bar), the classic radio button and group box, and the rule
// that fits a one-line text to its box.
#pragma once

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QString>
#include <QValidator>
#include <QWidget>
#include <functional>
#include <string_view>

#include "platform/appearance.hpp"
#include "platform/qt/qt_palette.hpp"

class QToolButton;

namespace orvane {

class QtWindow;

constexpr int kNoControl = -2;  // template ids are -1 (not addressed) or positive

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The client area of a window: taps on it outside the controls, and its painting.
class ClientArea : public QWidget {
  public:
    ClientArea(QtWindow& window, QWidget* parent) : QWidget(parent), window_(window) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent*) override;

  private:
    QtWindow& window_;
};

// An owner-drawn static control: a label that the dialog procedure paints (onDrawItem).
class OwnerDrawnLabel : public QLabel {
  public:
    OwnerDrawnLabel(QtWindow& window, int id, QWidget* parent)
        : QLabel(parent), window_(window), id_(id) {}

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QtWindow& window_;
    int id_;
};

// A strip in one colour: the caption strip on top and the menu bar at the bottom.
class Strip : public QWidget {
  public:
    Strip(QWidget* parent, bool lineOnTop) : QWidget(parent), lineOnTop_(lineOnTop) {}
    void setColours(QColor fill, QColor line) {
        colour_ = fill;
        line_ = line;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QColor colour_;
    QColor line_;
    bool lineOnTop_;
};

// Covers a window while a dialog or a message box is open over it: taps on it are lost, as
// the window under a modal dialog takes no input. It lasts as long as the dialog.
class Veil : public QWidget {
  public:
    explicit Veil(QWidget* window);
    ~Veil() override;
    static inline const QString kName = QStringLiteral("veil");  // its object name

  protected:
    bool event(QEvent* event) override;
};

// An automatic radio button: a tap checks it and clears the rest of its group, never unchecks.
class RadioButton : public QRadioButton {
  public:
    RadioButton(const QString& text, QWidget* parent, std::function<void()> check)
        : QRadioButton(text, parent), check_(std::move(check)) {}

  protected:
    void nextCheckState() override { check_(); }

  private:
    std::function<void()> check_;
};

// What an edit field takes, typed or pasted: only ASCII digits in a digits-only field (not other
// scripts' digits, emoji or direction marks), and in a field without automatic scrolling only
// text that fits the field.
class FieldValidator : public QValidator {
  public:
    FieldValidator(QLineEdit* edit, bool digitsOnly, bool mustFit);
    State validate(QString& input, int&) const override;

  private:
    bool fits(const QString& input) const;
    QLineEdit* edit_;
    bool digitsOnly_;
    bool mustFit_;
};

// An edit field. The window system draws its text caret by inverting what is under it, which
// on Night's black is a white bar; in Night the style draws no caret (ProgramStyle) and the field
// draws one of its own in its text colour.
class FieldEdit : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A group box as the classic window system drew it: a frame whose top line runs through the
// middle of its title. It lets taps through to the dialog.
class GroupFrame : public QWidget {
  public:
    GroupFrame(const QString& title, QWidget* parent);
    const QString& title() const { return title_; }
    void setTitle(const QString& title);
    void setFrameColour(QColor colour) {
        frameColour_ = colour;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QString title_;
    QColor frameColour_;
};

// A flat button on a strip (the caption's ok, close and help, the menu bar's buttons).
QToolButton* stripButton(QWidget* strip, const QString& text);
// Gives a widget's text role (and the rest of its palette from base) a colour.
void setTextColour(QWidget* widget, const QPalette& base, QPalette::ColorRole role, Rgb colour);

}  // namespace orvane
