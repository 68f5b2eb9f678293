#include "platform/inproc/MemoryDialogWindow.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/inproc/MemoryDrawing.h"

namespace {

constexpr int kCancelCommand = 2;  // Escape

std::vector<TextPiece> Copy(std::span<const EncodedText> pieces) {
    std::vector<TextPiece> copy;
    for (const EncodedText& piece : pieces)
        copy.push_back({std::string(piece.bytes), piece.encoding});
    return copy;
}

std::string Joined(const std::vector<TextPiece>& pieces) {
    std::string text;
    for (const TextPiece& piece : pieces) text += piece.bytes;
    return text;
}

}  // namespace

std::string MemoryControl::Text() const { return Joined(text); }

MemoryDialogWindow::MemoryDialogWindow(std::vector<MemoryControl> controls,
                                       const std::map<int, std::string>& strings)
    : controls_(std::move(controls)), strings_(strings) {}

template <typename Message>
void MemoryDialogWindow::Deliver(Message&& message) {
    if (!handler_ || destroyed_) return;
    message(*handler_);
    if (result_ && !destroyed_) {
        destroyed_ = true;
        handler_->Destroy();
    }
}

bool MemoryDialogWindow::Open(DialogHandler& handler) {
    handler_ = &handler;
    bool placeFocus = false;
    Deliver([&](DialogHandler& h) { placeFocus = h.InitDialog(*this); });
    return placeFocus;
}

void MemoryDialogWindow::Command(int id) {
    Deliver([&](DialogHandler& h) { h.Command(id); });
}

void MemoryDialogWindow::Click(int id) {
    const MemoryControl& control = Control(id);
    if (control.visible && control.enabled) Command(id);
}

bool MemoryDialogWindow::SysCommand(unsigned command) {
    bool handled = false;
    Deliver([&](DialogHandler& h) { handled = h.SysCommand(command); });
    return handled;
}

void MemoryDialogWindow::Paint() {
    Deliver([](DialogHandler& h) { h.Paint(); });
}

Icon MemoryDialogWindow::QueryDragIcon() {
    Icon icon;
    Deliver([&](DialogHandler& h) { icon = h.QueryDragIcon(); });
    return icon;
}

const MemoryControl& MemoryDialogWindow::Control(int id) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [id](const MemoryControl& c) { return c.id == id; });
    if (found == controls_.end()) throw std::out_of_range("no control " + std::to_string(id));
    return *found;
}

MemoryControl& MemoryDialogWindow::Find(int id) {
    return const_cast<MemoryControl&>(std::as_const(*this).Control(id));
}

std::string MemoryDialogWindow::CaptionText() const { return Joined(caption_); }

void MemoryDialogWindow::SetCaption(EncodedText text) { caption_ = Copy({&text, 1}); }

void MemoryDialogWindow::SetText(int controlId, std::span<const EncodedText> pieces) {
    Find(controlId).text = Copy(pieces);
}

void MemoryDialogWindow::MoveAndShow(int controlId, Point topLeft) {
    MemoryControl& control = Find(controlId);
    const Rect old = control.rect;
    control.rect = {topLeft.x, topLeft.y, topLeft.x + old.right - old.left,
                    topLeft.y + old.bottom - old.top};
    control.visible = true;
}

void MemoryDialogWindow::PlaceAndShow(int controlId, Rect rect) {
    MemoryControl& control = Find(controlId);
    control.rect = rect;
    control.visible = true;
}

void MemoryDialogWindow::Hide(int controlId) { Find(controlId).visible = false; }

void MemoryDialogWindow::Enable(int controlId, bool enabled) { Find(controlId).enabled = enabled; }

void MemoryDialogWindow::Focus(int controlId) {
    Find(controlId);
    focus_ = controlId;
}

void MemoryDialogWindow::SetIcons(Icon icon) {
    bigIcon_ = icon;
    smallIcon_ = icon;
}

bool MemoryDialogWindow::AppendSystemMenuEntry(unsigned command, int stringId) {
    const auto text = strings_.find(stringId);
    if (!hasSystemMenu || text == strings_.end() || text->second.empty()) return false;
    systemMenu_.push_back("separator");
    systemMenu_.push_back(std::to_string(command) + " " + text->second);
    return true;
}

void MemoryDialogWindow::EndDialog(int result) { result_ = result; }

void MemoryDialogWindow::Close() {
    if (!handler_ || destroyed_) return;
    if (!result_) result_ = -1;
    destroyed_ = true;
    handler_->Destroy();
}

std::unique_ptr<Canvas> MemoryDialogWindow::ClientCanvas() {
    return std::make_unique<MemoryCanvas>(drawings_.emplace_back());
}

void MemoryWindowSystem::AddTemplate(int templateId, std::vector<MemoryControl> controls) {
    templates_[templateId] = std::move(controls);
}

void MemoryWindowSystem::Script(int templateId, std::function<void(MemoryDialogWindow&)> script) {
    scripts_[templateId] = std::move(script);
}

MemoryDialogWindow& MemoryWindowSystem::Open(int templateId, DialogHandler& handler) {
    MemoryDialogWindow& window = *windows_.emplace_back(
        std::make_unique<MemoryDialogWindow>(templates_[templateId], strings));
    window.Open(handler);
    return window;
}

int MemoryWindowSystem::RunModal(int templateId, DialogHandler& handler) {
    runs_.push_back(templateId);
    MemoryDialogWindow& window = Open(templateId, handler);
    if (const auto script = scripts_.find(templateId); script != scripts_.end()) {
        script->second(window);
    }
    window.Command(kCancelCommand);
    window.Close();
    return *window.Result();
}

void MemoryWindowSystem::SetDialogColours(Colour background, Colour text) {
    dialogColours = {background, text};
}

Cursor MemoryWindowSystem::SetCursor(Cursor cursor) { return std::exchange(currentCursor, cursor); }
