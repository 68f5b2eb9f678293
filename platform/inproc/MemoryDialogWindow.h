#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/DialogWindow.h"

struct TextPiece {
    std::string bytes;
    TextEncoding encoding = TextEncoding::Cp1251;
    bool operator==(const TextPiece&) const = default;
};

// A control as the window layer keeps it: where it is, what it says.
struct MemoryControl {
    int id = 0;
    Rect rect;
    std::vector<TextPiece> text;
    bool visible = true;
    bool enabled = true;

    std::string Text() const;  // the pieces' bytes joined
};

// A dialog window kept in memory. The test sends the window messages; the
// window remembers what the dialog did to it and what it drew.
class MemoryDialogWindow : public DialogWindow {
public:
    MemoryDialogWindow(std::vector<MemoryControl> controls,
                       const std::map<int, std::string>& strings);

    // Messages; none arrives once the window is destroyed, and a dialog that
    // ended is destroyed right after the message that ended it.
    bool Open(DialogHandler& handler);
    void Command(int id);
    // A click: only a visible, enabled button issues its command.
    void Click(int id);
    bool SysCommand(unsigned command);
    void Paint();
    Icon QueryDragIcon();
    // Destroys the window whatever the dialog says, with the result -1 if it
    // had not ended.
    void Close();

    // What the dialog did.
    const MemoryControl& Control(int id) const;
    std::string Text(int id) const { return Control(id).Text(); }
    const std::vector<TextPiece>& Caption() const { return caption_; }
    std::string CaptionText() const;
    std::optional<int> FocusedControl() const { return focus_; }
    Icon BigIcon() const { return bigIcon_; }
    Icon SmallIcon() const { return smallIcon_; }
    const std::vector<std::string>& SystemMenu() const { return systemMenu_; }
    std::optional<int> Result() const { return result_; }
    bool Destroyed() const { return destroyed_; }
    // Every client canvas the dialog acquired, with the calls made on it.
    const std::vector<std::vector<std::string>>& Drawings() const { return drawings_; }

    bool hasSystemMenu = true;
    bool minimized = false;
    Size clientSize{629, 453};

    // DialogWindow
    void SetCaption(EncodedText text) override;
    void SetText(int controlId, std::span<const EncodedText> pieces) override;
    void MoveAndShow(int controlId, Point topLeft) override;
    void PlaceAndShow(int controlId, Rect rect) override;
    void Hide(int controlId) override;
    void Enable(int controlId, bool enabled) override;
    void Focus(int controlId) override;
    void SetIcons(Icon icon) override;
    bool AppendSystemMenuEntry(unsigned command, int stringId) override;
    void EndDialog(int result) override;
    bool IsMinimized() const override { return minimized; }
    Size ClientSize() const override { return clientSize; }
    std::unique_ptr<Canvas> ClientCanvas() override;

private:
    MemoryControl& Find(int id);
    // Runs one message unless the window is gone, then destroys an ended one.
    template <typename Message>
    void Deliver(Message&& message);

    std::vector<MemoryControl> controls_;
    const std::map<int, std::string>& strings_;
    DialogHandler* handler_ = nullptr;
    std::vector<TextPiece> caption_;
    std::optional<int> focus_;
    Icon bigIcon_, smallIcon_;
    std::vector<std::string> systemMenu_;
    std::optional<int> result_;
    bool destroyed_ = false;
    std::vector<std::vector<std::string>> drawings_;
};

// Modal runs over memory windows made from the templates the test gives.
class MemoryWindowSystem : public WindowSystem {
public:
    void AddTemplate(int templateId, std::vector<MemoryControl> controls);
    // What the user does in the dialogs of a template once they are open. A
    // run whose script does not end the dialog gets Escape; one that ignores
    // that too is destroyed with the result -1.
    void Script(int templateId, std::function<void(MemoryDialogWindow&)> script);
    // Creates a window from the template and initialises the dialog in it,
    // without a modal run.
    MemoryDialogWindow& Open(int templateId, DialogHandler& handler);

    const std::vector<int>& Runs() const { return runs_; }  // templates, in order
    const MemoryDialogWindow& LastWindow() const { return *windows_.back(); }

    std::map<int, std::string> strings;
    std::optional<std::pair<Colour, Colour>> dialogColours;  // background, text
    Cursor currentCursor{kArrowCursor};
    static constexpr std::uintptr_t kArrowCursor = 1;
    static constexpr std::uintptr_t kWaitCursor = 2;

    // WindowSystem
    int RunModal(int templateId, DialogHandler& handler) override;
    void SetDialogColours(Colour background, Colour text) override;
    Icon LoadIcon(int id) override { return Icon{static_cast<std::uintptr_t>(id)}; }
    Size IconSize() override { return {32, 32}; }
    Cursor LoadWaitCursor() override { return Cursor{kWaitCursor}; }
    Cursor SetCursor(Cursor cursor) override;

private:
    std::map<int, std::vector<MemoryControl>> templates_;
    std::map<int, std::function<void(MemoryDialogWindow&)>> scripts_;
    std::vector<std::unique_ptr<MemoryDialogWindow>> windows_;
    std::vector<int> runs_;
};
