// The tests' writer for the in-process store.

#include <iterator>

#include "RegistryStore.h"
#include "RegistryWriter.h"

namespace vantorel::registry {

Result CreateKey(Root root, const std::string& keyName) {
    if (root != LocalMachine) return InvalidHandle;
    store::TheStore().keys[store::Fold(keyName)];
    return Success;
}

Result SetValue(Root root, const std::string& keyName, const std::string& valueName, ValueType type,
                std::string_view bytes) {
    if (root != LocalMachine) return InvalidHandle;
    store::TheStore().keys[store::Fold(keyName)].values[store::Fold(valueName)] = {
        type, std::string(bytes)};
    return Success;
}

Result DeleteKey(Root root, const std::string& keyName) {
    if (root != LocalMachine) return InvalidHandle;
    auto& keys = store::TheStore().keys;
    const std::string key = store::Fold(keyName);
    for (auto it = keys.begin(); it != keys.end();) {
        const bool below = it->first == key || it->first.starts_with(key + '\\');
        it = below ? keys.erase(it) : std::next(it);
    }
    return Success;
}

bool RefuseAccess(Root root, const std::string& keyName, std::uint32_t mask) {
    if (root != LocalMachine) return false;
    store::TheStore().keys[store::Fold(keyName)].refused = mask;
    return true;
}

std::optional<int> OpenKeys() {
    return static_cast<int>(store::TheStore().open.size());
}

bool ScratchRegistry() {
    return true;
}

}  // namespace vantorel::registry
