// The view's inputs, one at a time: an input that arrives while another is
// handled waits until that one and what follows it are done.
#pragma once

#include <deque>
#include <functional>
#include <utility>

namespace quantivex {

// What follows an input (focus, hint, message boxes, the popup menu and the
// sync) can itself report one, the release of a button pressed from the
// keyboard once its menu is done for instance; run at once, it would start
// before the first had finished. It waits here instead.
class InputQueue {
public:
    // `after` runs after every input, the waiting ones too.
    explicit InputQueue(std::function<void()> after) : after_(std::move(after)) {}

    void run(std::function<void()> input) {
        if (handling_) {
            waiting_.push_back(std::move(input));
            return;
        }
        handling_ = true;
        input();
        after_();
        while (!waiting_.empty()) {
            const std::function<void()> next = std::move(waiting_.front());
            waiting_.pop_front();
            next();
            after_();
        }
        handling_ = false;
    }

private:
    std::function<void()> after_;
    bool handling_ = false;
    std::deque<std::function<void()>> waiting_;
};

}  // namespace quantivex
