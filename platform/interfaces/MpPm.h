// The process model: products, models, features, operations, resources and rules.
#pragma once
#include <string>
#include <vector>
#include <unknwn.h>
#include "MpGuid.h"

struct IMpPmModel;
struct IMpPmModelInstance;
struct IMpPmOperationSetup;
struct IMpPmProduct;
struct IMpPmResourceSetup;
class MpSmartList;
class MpZulSmartList;
struct IMpZulNode;

MP_IDENTIFIER(IID_IMpPmEnvironment, "{539312EA-C02E-4281-8C17-3866138CB8E9}");
MP_IDENTIFIER(IID_IMpPmEnvironmentResource, "{961382CE-47F9-417E-8189-D391456331A2}");
MP_IDENTIFIER(IID_IMpPmFeature, "{52FB95F3-1495-11D6-A3BE-000102749AF9}");
MP_IDENTIFIER(IID_IMpPmFeaturePrototype, "{52FB95F5-1495-11D6-A3BE-000102749AF9}");
MP_IDENTIFIER(IID_IMpPmMachiningProcess, "{E9EDD39F-4607-4C91-B403-73AC3759E90A}");
MP_IDENTIFIER(IID_IMpPmMaterial, "{8CC73945-4B85-11D6-A3C7-000102749AF9}");
MP_IDENTIFIER(IID_IMpPmModel, "{7A074184-6AFB-4A01-874A-2E7E2B9A4E29}");
MP_IDENTIFIER(IID_IMpPmModelInstance, "{4983C6A4-1303-4C28-84F6-02B93E7C761A}");
MP_IDENTIFIER(IID_IMpPmOperationSetup, "{8F8690B1-2092-11D6-A3BE-000102749AF9}");
MP_IDENTIFIER(IID_IMpPmProduct, "{215C1841-1408-11D6-A3BE-000102749AF9}");
MP_IDENTIFIER(IID_IMpPmResourceSetup, "{F5890DB6-1C1F-4B43-A41A-CBF4C7A520EB}");
MP_IDENTIFIER(IID_IMpPmRule, "{A2D7378F-26A3-40F6-8F4B-C93BFD84F649}");
MP_IDENTIFIER(IID_IMpPmToolAssembly, "{40E6B162-1B1B-11D6-A3BE-000102749AF9}");
MP_IDENTIFIER(IID_IMpPmToolSet, "{40E6B163-1B1B-11D6-A3BE-000102749AF9}");
MP_IDENTIFIER(IID_IMpPmUtils, "{9F41ED74-F873-4D91-8D6B-E01AED013074}");
MP_IDENTIFIER(CLSID_MpPmUtils, "{04D9B78B-440B-4769-B029-B02827B94D22}");
MP_IDENTIFIER(IID_IMpPmUtRelation, "{9FA37324-2F3C-4600-ABB2-DBD3CA3FDAF2}");
MP_IDENTIFIER(CLSID_MpPmUtRelation, "{0BDF1CC4-FE1B-4527-AE52-31D1B0B715B0}");

struct IMpPmEnvironmentResource;
struct IMpPmEnvironment : public IUnknown {
  // The environment's resource library; null when it has none.
  virtual IMpPmEnvironmentResource* getEnvironmentResource() = 0;
};
struct IMpPmEnvironmentResource : public IUnknown {};
struct IMpPmFeature : public IUnknown {
  // The model the feature belongs to, or null.
  virtual IMpPmModel* getModel() = 0;
};
struct IMpPmFeaturePrototype : public IUnknown {};
struct IMpPmMachiningProcess : public IUnknown {};
struct IMpPmMaterial : public IUnknown {};
struct IMpPmModel : public IUnknown {
  virtual bool isBlank() = 0;
  virtual IMpPmModelInstance* getModelInstance() = 0;
  // The operation set-up that machines the model, or null.
  virtual IMpPmOperationSetup* getOperationSetup() = 0;
  virtual IMpPmProduct* getProduct() = 0;
};
struct IMpPmModelInstance : public IUnknown {
  // The name of the current design.
  virtual bool getName(std::string& name) = 0;
};
struct IMpPmOperationSetup : public IUnknown {
  virtual IMpPmResourceSetup* getResourceSetup() = 0;
};
struct IMpPmProduct : public IUnknown {
  // The part model and the blank model, or null.
  virtual IMpPmModel* getModelA() = 0;
  virtual IMpPmModel* getModelB() = 0;
  // Appends the product's operation set-ups, each with a reference held by the list.
  virtual bool getOperationSetups(MpSmartList& setups) = 0;
};
struct IMpPmResourceSetup : public IUnknown {
  // Appends the resources of the set-up (tool sets among them).
  virtual bool getResources(MpSmartList& resources) = 0;
};
struct IMpPmRule : public IUnknown {
  // Appends the rule's fields (IMpZulField), each with a reference held by the list.
  virtual bool getFields(MpSmartList& fields) = 0;
};
struct IMpPmToolAssembly : public IUnknown {};
struct IMpPmToolSet : public IUnknown {
  // Appends the tool assemblies of the set (with recursive, also those of nested sets).
  virtual bool getToolAssemblies(MpSmartList& assemblies, bool recursive) = 0;
};
// Process-model utilities, such as the customer commands.
struct IMpPmUtils : public IUnknown {
  // Appends the names of the customer commands the host offers, in its order.
  virtual bool getCustomerCommands(std::vector<std::string>& names) = 0;
};
// Relations between process-model objects.
struct IMpPmUtRelation : public IUnknown {
  // Appends the objects related to the node, each with a reference held by the list.
  virtual bool getRelatedObjects(MpZulSmartList& related, IMpZulNode* node) = 0;
};
