// ChangeRuleLoop.h: runs a field's change rule, which may itself change the
// text and so be called again from inside. The inner call only asks for one
// more run, which the outer call makes from its loop: a long paste, one
// message per removed character, then cannot use up the stack.
#pragma once

class ChangeRuleLoop {
public:
    template <class Rule>
    void run(Rule&& rule) {
        if (running_) {
            again_ = true;
            return;
        }
        running_ = true;
        do {
            again_ = false;
            rule();
        } while (again_);
        running_ = false;
    }

private:
    bool running_ = false;
    bool again_ = false;
};
