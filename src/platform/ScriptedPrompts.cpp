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
    if (!reply.accept)
        return {};
    EditField field;
    field.Type(reply.typed);
    return {true, field.Text()};
}
