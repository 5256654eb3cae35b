// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window made the first time it is wanted, not before: the game starts
// with only what its first frame shows. Copies share the one window, so
// whoever was handed it opens the same. It stands in for a pointer: using
// it as one makes the window.
#include <functional>
#include <memory>
#include <utility>

namespace tarnwick {

template <typename Window>
class OnDemand {
public:
    OnDemand() : state_(std::make_shared<State>()) {}
    explicit OnDemand(std::function<Window*()> make) : OnDemand() { state_->make = std::move(make); }
    // A window made elsewhere (or none).
    OnDemand(Window* made) : OnDemand() { state_->made = made; }

    // The window, made now if it was not yet; null when there is no maker
    // or after Forget.
    Window* get() const {
        if (!state_->made && state_->make) {
            auto make = std::move(state_->make);
            state_->make = nullptr;
            state_->made = make();
        }
        return state_->made;
    }
    Window* operator->() const { return get(); }
    Window& operator*() const { return *get(); }
    operator Window*() const { return get(); }

    // Who makes the window when it is first wanted.
    void MakeWith(std::function<Window*()> make) const { state_->make = std::move(make); }
    // The window if it has been made, without making it.
    Window* IfMade() const { return state_->made; }
    // The window is gone: no one gets it, nor a new one, any more.
    void Forget() const {
        state_->made = nullptr;
        state_->make = nullptr;
    }

private:
    struct State {
        std::function<Window*()> make;
        Window* made = nullptr;
    };
    std::shared_ptr<State> state_;
};

}  // namespace tarnwick
