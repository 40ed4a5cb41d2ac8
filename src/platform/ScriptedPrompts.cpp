#include "platform/ScriptedPrompts.h"

#include "platform/EditField.h"

namespace {
ScriptedPrompts* activeScript = nullptr;
}  // namespace

ScriptedPrompts::ScriptedPrompts() {
    activeScript = this;
}

ScriptedPrompts::~ScriptedPrompts() {
    if (activeScript == this)
        activeScript = nullptr;
}

ScriptedPrompts* ScriptedPrompts::Active() {
    return activeScript;
}

PromptAnswer ScriptedPrompts::Answer(const TextPrompt& prompt) {
    shown_.push_back(prompt);
    if (replies_.empty())
        return {};
    Reply reply = replies_.front();
    replies_.pop_front();
    EditField field;
    field.Type(reply.typed);
    return {reply.accept, field.Text(), reply.quit};
}
