#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/TextPrompt.h"

// Test hook: while one lives, modal prompts are answered from its queue
// instead of a window, in order; an empty queue answers Cancel. `typed` is
// what the player typed (UTF-8), taken through the same edit box rules as
// real key presses. Every prompt shown is recorded.
class ScriptedPrompts {
  public:
    struct Reply {
        bool accept;
        std::string typed;
        bool quit;
    };

    ScriptedPrompts();
    ~ScriptedPrompts();
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    void Accept(const std::string& typed) { replies_.push_back({true, typed, false}); }
    void Cancel() { replies_.push_back({false, "", false}); }
    // The game is asked to quit while `typed` is in the edit box.
    void Quit(const std::string& typed) { replies_.push_back({false, typed, true}); }
    // Every prompt shown so far, in order.
    const std::vector<TextPrompt>& Shown() const { return shown_; }

    PromptAnswer Answer(const TextPrompt& prompt);

    // The living script, or nullptr.
    static ScriptedPrompts* Active();

  private:
    std::deque<Reply> replies_;
    std::vector<TextPrompt> shown_;
};
