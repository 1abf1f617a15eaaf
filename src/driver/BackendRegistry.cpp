// BackendRegistry.cpp: makes backends from selectors, built in or registered
// from above, and keeps the one the C calls use, shared so that a call in
// flight keeps its backend alive while another thread selects a new one.
#include "driver/Backend.h"
#include "driver/BackendSelector.h"
#include "driver/SimAdapter.h"
#include "driver/SimOptionsParser.h"
#include "driver/SlcanAdapter.h"
#include "driver/SocketCanAdapter.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <mutex>
#include <utility>
#include <vector>

namespace vorelin::driver {

namespace {

constexpr std::array<std::string_view, 3> kAdapterNames = {"sim", "slcan", "socketcan"};

struct Registry {
    std::mutex mutex;
    std::shared_ptr<Backend> current;
    std::vector<std::pair<std::string, BackendMaker>> makers;  // in the order first registered
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
    BackendMaker maker;
    std::vector<std::string> registeredNames;
    {
        Registry& state = registry();
        std::lock_guard lock(state.mutex);
        for (const auto& [name, registered] : state.makers) {
            if (name == selector.name())
                maker = registered;
            registeredNames.push_back(name);
        }
    }
    // Called without the lock: a maker may take its time (reading a file)
    // while another thread asks for the current backend.
    if (maker)
        return maker(selector);
    std::vector<std::string_view> names(kAdapterNames.begin(), kAdapterNames.end());
    names.insert(names.end(), registeredNames.begin(), registeredNames.end());
    return makeError("unknown adapter '" + std::string(selector.name()) + "' (expected " +
                     listAlternatives(names, "'") + ")");
}

void registerBackendMaker(std::string_view name, BackendMaker maker) {
    // A built-in name would never reach its maker; that is a mistake of ours.
    assert(std::find(kAdapterNames.begin(), kAdapterNames.end(), name) == kAdapterNames.end() &&
           "a built-in adapter name cannot be registered");
    Registry& state = registry();
    std::lock_guard lock(state.mutex);
    const auto known = std::find_if(state.makers.begin(), state.makers.end(),
                                    [name](const auto& entry) { return entry.first == name; });
    if (known != state.makers.end())
        known->second = std::move(maker);
    else
        state.makers.emplace_back(std::string(name), std::move(maker));
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
