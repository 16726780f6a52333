#include "support/PrivateUserFolders.h"

namespace {

const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new PrivateApplication("brimal_tests"));

} // namespace
