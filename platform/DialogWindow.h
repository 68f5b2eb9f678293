#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/Canvas.h"
#include "platform/EncodedText.h"

struct Cursor {
    std::uintptr_t handle = 0;
    bool operator==(const Cursor&) const = default;
};

// A dialog window while it exists, and its controls by id. Control texts are
// given in pieces, each in its own encoding, and replace the whole text.
class DialogWindow {
public:
    virtual ~DialogWindow() = default;
    virtual void SetCaption(EncodedText text) = 0;
    virtual void SetText(int controlId, std::span<const EncodedText> pieces) = 0;
    // Puts the top-left corner at a client pixel; keeps size and stacking.
    virtual void MoveAndShow(int controlId, Point topLeft) = 0;
    virtual void PlaceAndShow(int controlId, Rect rect) = 0;
    // The control keeps its place and size.
    virtual void Hide(int controlId) = 0;
    // A disabled button issues no command.
    virtual void Enable(int controlId, bool enabled) = 0;
    virtual void Focus(int controlId) = 0;
    // The same icon serves as big and small icon.
    virtual void SetIcons(Icon icon) = 0;
    // Appends a separator and an entry with the string resource's text to
    // the window's system menu; false, appending nothing, when there is no
    // system menu or the string is empty.
    virtual bool AppendSystemMenuEntry(unsigned command, int stringId) = 0;
    // Ends the modal run with this result once the current message is handled.
    virtual void EndDialog(int result) = 0;
    virtual bool IsMinimized() const = 0;
    virtual Size ClientSize() const = 0;
    virtual std::unique_ptr<Canvas> ClientCanvas() = 0;
};

// What the window layer tells a dialog; each call is one window message.
class DialogHandler {
public:
    // The controls exist. True: the layer places the keyboard focus.
    virtual bool InitDialog(DialogWindow& window) = 0;
    // A button click; IDOK also for Enter, IDCANCEL also for Escape and Close.
    virtual void Command(int id) = 0;
    // A system-menu command; false: the platform's default processing.
    virtual bool SysCommand(unsigned command) = 0;
    // The background is erased and the update region validated before this
    // is called; the controls paint themselves.
    virtual void Paint() = 0;
    // The image shown while the minimized window is dragged; none: default.
    virtual Icon QueryDragIcon() = 0;
    // The window is being destroyed; the DialogWindow is gone afterwards.
    virtual void Destroy() = 0;

protected:
    ~DialogHandler() = default;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Creates the dialog from its template and runs it modally; the dialog
    // that is running at the moment, if any, owns it. Answers the result
    // given to EndDialog.
    virtual int RunModal(int templateId, DialogHandler& handler) = 0;
    // Background and text colour of every dialog and message box from now on.
    virtual void SetDialogColours(Colour background, Colour text) = 0;
    // Icons and cursors live as long as the process.
    virtual Icon LoadIcon(int id) = 0;
    virtual Size IconSize() = 0;
    virtual Cursor LoadWaitCursor() = 0;
    // Answers the cursor it replaces.
    virtual Cursor SetCursor(Cursor cursor) = 0;
};
