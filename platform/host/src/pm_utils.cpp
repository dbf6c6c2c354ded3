// The process-model utilities: the customer commands the host offers.
#include <mutex>
#include "MpHost.h"
#include "host_internal.h"
#include "host_registry.h"
#include "MpHostData.h"
#include "MpSmartList.h"

namespace {

std::mutex g_commandsLock;
std::vector<std::string> g_commands = {"Print setup sheet", "Check tool reach", "Post process"};

class PmUtils final : public mphost::SingleInterfaceObject<IMpPmUtils, IID_IMpPmUtils> {
 public:
  bool getCustomerCommands(std::vector<std::string>& names) override {
    std::lock_guard<std::mutex> guard(g_commandsLock);
    names.insert(names.end(), g_commands.begin(), g_commands.end());
    return true;
  }
};

// Relations: the objects related to a node (MpHostData::relate), or the materials of its store
// when nothing was related to it.
class PmRelation final : public mphost::SingleInterfaceObject<IMpPmUtRelation, IID_IMpPmUtRelation> {
 public:
  bool getRelatedObjects(MpZulSmartList& related, IMpZulNode* node) override {
    MpHostNode* n = MpHostNodeOf(node);
    if (!n || !n->data()) return false;
    const std::vector<ZulObjectKey> keys = n->data()->related(n->key());
    if (keys.empty()) n->data()->objectsOfClass("Material", true, related);
    for (const ZulObjectKey& key : keys) related.push_back(static_cast<IMpZulNode*>(n->data()->node(key)), true);
    return true;
  }
};

}  // namespace

void MpHostSetCustomerCommands(const std::vector<std::string>& names) {
  std::lock_guard<std::mutex> guard(g_commandsLock);
  g_commands = names;
}

std::vector<std::string> MpHostCustomerCommands() {
  std::lock_guard<std::mutex> guard(g_commandsLock);
  return g_commands;
}

namespace mphost {

HRESULT createPmUtils(REFIID iid, void** out) { return handOut(new PmUtils(), iid, out); }
HRESULT createPmRelation(REFIID iid, void** out) { return handOut(new PmRelation(), iid, out); }

}  // namespace mphost
