#include "RegistryStore.h"
#include "RegistryWriter.h"

namespace vantorel::registry {

Result SetValue(const std::string& key, const std::string& value, ValueType type,
                const std::string& bytes) {
    store::TheStore().keys[store::Fold(key)].values[store::Fold(value)] = {type, bytes};
    return Success;
}

void DeleteKey(const std::string& key) {
    store::TheStore().keys.erase(store::Fold(key));
}

bool RefuseWrites(const std::string& key) {
    store::TheStore().keys[store::Fold(key)].refused = 0x2;  // KEY_SET_VALUE
    return true;
}

bool ScratchRegistry() {
    return true;
}

}  // namespace vantorel::registry
