#pragma once

#include "settings/ProductRegistry.h"

namespace zorvat {

// The real registry: HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER, wide strings at the call.
class Win32RegistryWriter final : public RegistryWriter {
 public:
  bool WriteString(RegistryRoot root, const std::string& subkey, const std::string& name,
                   const std::string& data) override;
};

}  // namespace zorvat
