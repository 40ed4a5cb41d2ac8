#pragma once
#include <SDL.h>

#include <optional>
#include <string>

// Sets one of SDL's environment variables for one scope. SDL's own calls set
// and read it the same way on every host; an empty value counts as unset.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = SDL_getenv(name))
            old_ = old;
        SDL_setenv(name, value, 1);
    }
    ~ScopedEnv() { SDL_setenv(name_, old_ ? old_->c_str() : "", 1); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};
