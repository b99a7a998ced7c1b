// A window of the Qt host: the main window (caption strip, summary panel, menu bar at the bottom)
// or a dialog built from a template in res/, with real widgets, real focus and real modal loops.
// Widget signals and focus changes become the classic notification codes.
#pragma once

#include <QObject>
#include <QSize>
#include <QString>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/appearance.hpp"
#include "platform/focus_order.hpp"
#include "platform/keyboard.hpp"
#include "platform/platform.hpp"
#include "platform/qt/dialog_units.hpp"
#include "res/templates.hpp"

class QAction;
class QComboBox;
class QDialog;
class QEvent;
class QLineEdit;
class QMenu;
class QShortcut;
class QToolButton;
class QWidget;

namespace orvane {

class QtUi;

// A control of a window, made from its template entry.
struct QtControl {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    unsigned style = 0;
    std::string templateText;  // a picture's bitmap number
    PixelRect place;           // device pixels of the client area, before the zoom
    QWidget* widget = nullptr;
    QLineEdit* edit() const;  // the edit field of an edit control or a combo box
    QComboBox* combo() const;
};

class QtWindow : public QObject, public Window {
  public:
    // The main window (no template) or a dialog made from a template, owned by owner.
    QtWindow(QtUi& ui, WindowProc& procedure, const DialogTemplate* dialog, std::string title,
             QWidget* owner);
    ~QtWindow() override;

    // Window
    std::string text(int id) const override;
    void setText(int id, std::string_view text) override;
    void show(int id, bool visible) override;
    bool visible(int id) const override;
    void move(int id, PixelRect rect) override;
    void setChecked(int id, bool checked) override;
    void setEnabled(int id, bool enabled) override;
    bool checked(int id) const override;
    void setFocus(int id) override;
    void addListEntry(int id, std::string_view entry) override;
    void clearList(int id) override;
    void redraw(int id) override;
    void setTitle(std::string_view title) override;
    std::string title() const override { return title_; }
    void end(int result) override;
    void message(std::string_view text) override;
    bool ask(std::string_view text) override;
    void startTimer(int id, int periodMs) override;
    void stopTimer(int id) override;
    int runModal(int templateId, WindowProc& procedure) override;

    // For the host and the driver.
    WindowProc& proc() { return proc_; }
    const DialogTemplate* dialogTemplate() const { return template_; }
    int templateId() const { return template_ ? template_->id : 0; }
    bool ended() const { return ended_; }
    int result() const { return result_; }
    int focus() const { return focus_.focus(); }
    QWidget* frame() const { return frame_; }    // the top-level widget
    QWidget* client() const { return client_; }  // the client area (the main window's panel)
    QDialog* dialog() const;                     // null for the main window
    QToolButton* okButton() const { return okButton_; }
    // The main window's menu bar and its buttons (none for a dialog).
    QWidget* menuBar() const { return menuBar_; }
    const std::vector<QToolButton*>& menuButtons() const { return menuButtons_; }
    QtControl* control(int id);
    const QtControl* control(int id) const;
    // A control's text, visibility and check, for controls that share an id (-1).
    std::string textOf(const QtControl& c) const;
    bool visibleOf(const QtControl& c) const;
    bool checkedOf(const QtControl& c) const;
    const std::vector<QtControl>& controls() const { return controls_; }
    // The main window's menus (the drop-downs and their submenus).
    const std::vector<QMenu*>& menus() const { return menus_; }
    // How many times the user moved the focus to one of the controls (the driver checks that a
    // tap or a focus change arrived).
    int userFocusChanges() const { return userFocusChanges_; }

    // A notification to the procedure (always delivered, as a program write's is).
    void notify(int id, int code);
    // A command from the window's frame or a widget: not delivered once the window has ended.
    void frameCommand(int id, int code);
    // Moves the focus, raising the kill-focus notification of the control that had it and the
    // set-focus notification of the new one (unless a handler moved the focus meanwhile), and
    // puts Qt's focus on the control.
    void moveFocus(int id);
    void focusFirstControl();
    // Chooses a menu command of the main window as the menu would.
    void chooseMenuCommand(int command);
    // Paints the client area: the main window's panel from its recorded calls, a dialog through
    // its procedure.
    void paintClient(QWidget& area);
    // Paints an owner-drawn control through its procedure.
    void paintItem(QWidget& item, int id);
    // A tap on the window itself, outside the controls.
    void tapped();
    // A close request from the window manager to the main window.
    void closeRequested();
    // The Enter key in a dialog.
    void enterPressed();
    void helpRequested();
    // A key in a dialog: Tab, Enter, Space and Escape, by the rules every host follows.
    void keyPressed(Key key);
    // Gives each control the name assistive technology announces, from the labels as they read.
    void nameControls();
    ControlState controlState() const;
    // Lays the window out at the zoom: frame, caption, client area, every control and font.
    void layOut();
    // The main window was resized (by the pilot or the window manager).
    void frameResized(QSize size);
    // Gives the window, its controls and menus the colours of a shade.
    void applyColours(const Colours& colours);
    // The main window's accelerators work only while no dialog is open.
    void enableAccelerators(bool enabled);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class QtUi;
    void buildMainWindow();
    void buildDialog(QWidget* owner);
    void buildCaption(QWidget* frame);
    void addHelpKey();
    void buildControl(const ControlTemplate& t);
    // The menu bar's buttons; their menus are made when first needed (ensureMenus).
    void buildMenus(QWidget* bar);
    void ensureMenus();
    // Gives the menus made so far the font of the window's zoom.
    void fontMenus();
    QAction* commandAction(int command, const QString& text);
    void qtFocusArrived(int id, int reason);
    // Puts Qt's focus where this window's focus is, without notifications.
    void syncQtFocus();
    void checkRadio(int id);
    const QtControl* controlOf(const QObject* widget) const;
    // Sets a control's place on screen from its device pixels at the window's zoom.
    void placeControl(QtControl& c);

    QtUi& ui_;
    WindowProc& proc_;
    const DialogTemplate* template_;
    std::string title_;
    QWidget* frame_ = nullptr;
    QWidget* client_ = nullptr;
    QWidget* captionTitle_ = nullptr;
    QWidget* captionStrip_ = nullptr;
    std::vector<std::pair<QToolButton*, int>> captionButtons_;  // with their font's pixels
    QWidget* menuBar_ = nullptr;
    std::vector<QToolButton*> menuButtons_;
    std::vector<QMenu*> menus_;             // empty until the menus are first needed
    QObject* menuKeyboard_ = nullptr;       // the menu bar's keyboard handling
    std::vector<QShortcut*> accelerators_;  // the main window's; none while a dialog is open
    DialogPlace place_{};                   // a dialog's place on the screen
    bool layingOut_ = false;
    QToolButton* okButton_ = nullptr;
    std::vector<QtControl> controls_;
    std::map<int, QAction*> commands_;  // the main window's menu commands
    FocusOrder focus_;
    int silent_ = 0;  // Qt focus moves made by the host itself, not the user
    int userFocusChanges_ = 0;
    int lostTap_ = -2;  // the control whose press is dropped (a message box ate the tap)
    bool ended_ = false;
    int result_ = 0;
};
}  // namespace orvane
