#include "platform/PageHidden.h"

namespace {
std::function<void()> handler;
bool resting = false;
bool pending = false;

void RunHandler() {
    pending = false;
    if (handler)
        handler();
}
}  // namespace

void PageHidden::SetHandler(std::function<void()> newHandler) {
    handler = std::move(newHandler);
    pending = false;
}

void PageHidden::Notify(bool leaving) {
    if (resting || leaving)
        RunHandler();
    else
        pending = true;
}

PageHidden::Rest::Rest() {
    if (pending)
        RunHandler();
    resting = true;
}

PageHidden::Rest::~Rest() {
    resting = false;
}
