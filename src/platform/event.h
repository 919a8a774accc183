#pragma once

#include <functional>
#include <string>
#include <utility>

#include "platform/event_runtime.h"

namespace lumbrix {

class Form;

// One event of a control or window. A window connects its handler once; raising the event
// runs that handler synchronously through the dispatcher, so an error escaping the handler
// is shown under the handler's name and never reaches the code that raised the event.
template <class... Args>
class Event {
  public:
    using Handler = std::function<void(Args...)>;

    // `handlerName` is the name of the procedure that handles it ("cmdSobita_Click").
    void connect(Handler handler) { handler_ = std::move(handler); }
    void disconnect() { handler_ = nullptr; }
    bool connected() const { return static_cast<bool>(handler_); }

    void bind(Form* form, std::string handlerName) {
        form_ = form;
        handlerName_ = std::move(handlerName);
    }
    const std::string& handlerName() const { return handlerName_; }

    void raise(Args... args) const {
        if (!handler_) return;
        runtime::dispatch(form_, handlerName_, [&] { handler_(std::forward<Args>(args)...); });
    }

  private:
    Handler handler_;
    Form* form_ = nullptr;
    std::string handlerName_;
};

// Mouse buttons and shift keys as mouse events report them.
namespace mouse {
inline constexpr int kLeft = 1;
inline constexpr int kRight = 2;
inline constexpr int kMiddle = 4;
}  // namespace mouse

}  // namespace lumbrix
