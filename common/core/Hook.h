#pragma once

#include <functional>
#include <utility>
#include <vector>

// A call that a lower layer makes and a higher one answers, so that the lower one
// never names the higher: the program registers the answer at start-up (set), and
// calling a hook with nothing registered does nothing. Hooks are program-wide objects
// (inline variables), never destroyed before the program ends.
class Hook {
public:
    Hook() { all().push_back(this); }
    Hook(const Hook&) = delete;
    Hook& operator=(const Hook&) = delete;

    void set(std::function<void()> answer) { answer_ = std::move(answer); }
    void operator()() const {
        if (answer_) answer_();
    }
    // Empties every hook (tests start each case unlinked).
    static void clearAll() {
        for (Hook* hook : all())
            hook->answer_ = nullptr;
    }

private:
    static std::vector<Hook*>& all() {
        static std::vector<Hook*> hooks;
        return hooks;
    }
    std::function<void()> answer_;
};
