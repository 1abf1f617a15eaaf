// BackendRegistry.cpp: makes backends from selectors and keeps the one the C
// calls use, shared so that a call in flight keeps its backend alive while
// another thread selects a new one.
#include "driver/Backend.h"
#include "driver/BackendSelector.h"
#include "driver/SimAdapter.h"
#include "driver/SimOptionsParser.h"
#include "driver/SlcanAdapter.h"
#include "driver/SocketCanAdapter.h"

#include <array>
#include <mutex>

namespace vorelin::driver {

namespace {

constexpr std::array<std::string_view, 3> kAdapterNames = {"sim", "slcan", "socketcan"};

struct Registry {
    std::mutex mutex;
    std::shared_ptr<Backend> current;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

}  // namespace

Result<std::unique_ptr<Backend>> makeBackend(std::string_view text) {
    const BackendSelector selector(text);
    if (selector.name() == "sim") {
        auto options = parseSimOptions(selector);
        if (!options)
            return options.error();
        return std::unique_ptr<Backend>(std::make_unique<SimAdapter>(std::move(*options)));
    }
    if (selector.name() == "slcan") {
        auto options = parseSlcanOptions(selector);
        if (!options)
            return options.error();
        return std::unique_ptr<Backend>(std::make_unique<SlcanAdapter>(std::move(*options)));
    }
    if (selector.name() == "socketcan") {
        auto options = parseSocketCanOptions(selector);
        if (!options)
            return options.error();
        return std::unique_ptr<Backend>(std::make_unique<SocketCanAdapter>(std::move(*options)));
    }
    return makeError("unknown adapter '" + std::string(selector.name()) + "' (expected " +
                     listAlternatives(kAdapterNames, "'") + ")");
}

void installBackend(std::shared_ptr<Backend> backend) {
    Registry& state = registry();
    std::lock_guard lock(state.mutex);
    // A null backend means "back to the default", made again on next use.
    state.current.swap(backend);
}

std::shared_ptr<Backend> currentBackend() {
    Registry& state = registry();
    std::lock_guard lock(state.mutex);
    if (!state.current)
        state.current = std::make_shared<SimAdapter>();
    return state.current;
}

}  // namespace vorelin::driver
