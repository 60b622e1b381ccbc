#pragma once
// What every window model shares: its name, caption and size, and the result that closes it when it is
// shown modally.
#include <string>

namespace dorvik {

enum class TModalResult { None, Ok, Cancel };

class TForm {
public:
    explicit TForm(std::string name, std::string caption = {})
        : Name(std::move(name)), Caption(std::move(caption)) {}
    virtual ~TForm() = default;
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    std::string Name;
    std::string Caption;
    int ClientWidth = 0, ClientHeight = 0;
    // Set by a handler: a modal window closes with this result once the handler returns.
    TModalResult ModalResult = TModalResult::None;

    // Closing a modal window by program answers Cancel, as its close box does.
    void Close() {
        if (ModalResult == TModalResult::None)
            ModalResult = TModalResult::Cancel;
    }
};

} // namespace dorvik
