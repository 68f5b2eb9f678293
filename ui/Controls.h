#pragma once

#include <initializer_list>
#include <span>
#include <string_view>

#include "platform/DialogWindow.h"

// A control of a dialog, bound by id once the window exists.
class CControl {
public:
    void Bind(DialogWindow& window, int id) {
        window_ = &window;
        id_ = id;
    }
    void SetText(std::string_view text, TextEncoding encoding = TextEncoding::Cp1251) {
        SetText({EncodedText{text, encoding}});
    }
    void SetText(std::initializer_list<EncodedText> pieces) {
        SetText(std::span(pieces.begin(), pieces.size()));
    }
    void SetText(std::span<const EncodedText> pieces) { window_->SetText(id_, pieces); }
    void MoveAndShow(Point topLeft) { window_->MoveAndShow(id_, topLeft); }
    void PlaceAndShow(Rect rect) { window_->PlaceAndShow(id_, rect); }
    void Hide() { window_->Hide(id_); }

protected:
    DialogWindow* window_ = nullptr;
    int id_ = 0;
};

class CButton : public CControl {
public:
    void Enable(bool enabled) { window_->Enable(id_, enabled); }
    void Focus() { window_->Focus(id_); }
};

using CStatic = CControl;
using CEdit = CControl;
