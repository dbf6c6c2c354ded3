// One smart-pointer type per host interface: service and data interfaces in MpSmartPointer,
// objects of the object model in MpZulSmartPointer.
#pragma once
#include "MpInterfaces.h"
#include "MpSmartPointer.h"
#include "MpZulSmartPointer.h"

typedef MpSmartPointer<IMpAppCommand, &IID_IMpAppCommand> IMpAppCommandPtr;
typedef MpSmartPointer<IMpAppInput, &IID_IMpAppInput> IMpAppInputPtr;
typedef MpSmartPointer<IMpAppOutput, &IID_IMpAppOutput> IMpAppOutputPtr;
typedef MpSmartPointer<IMpData, &IID_IMpData> IMpDataPtr;
typedef MpSmartPointer<IMpDataCacheXml, &IID_IMpDataCacheXml> IMpDataCacheXmlPtr;
typedef MpSmartPointer<IMpDataCustomization2, &IID_IMpDataCustomization2> IMpDataCustomization2Ptr;
typedef MpSmartPointer<IMpDataParameterSet, &IID_IMpDataParameterSet> IMpDataParameterSetPtr;
typedef MpSmartPointer<IMpDataXmlCustomization, &IID_IMpDataXmlCustomization> IMpDataXmlCustomizationPtr;
typedef MpSmartPointer<IMpInput, &IID_IMpInput> IMpInputPtr;
typedef MpSmartPointer<IMpLogger, &IID_IMpLogger> IMpLoggerPtr;
typedef MpSmartPointer<IMpMoModeler, &IID_IMpMoModeler> IMpMoModelerPtr;
typedef MpSmartPointer<IMpOptions, &IID_IMpOptions> IMpOptionsPtr;
typedef MpSmartPointer<IMpPmUtRelation, &IID_IMpPmUtRelation> IMpPmUtRelationPtr;
typedef MpSmartPointer<IMpPmUtSettingsBase, &IID_IMpPmUtSettingsBase> IMpPmUtSettingsBasePtr;
typedef MpSmartPointer<IMpPmUtils, &IID_IMpPmUtils> IMpPmUtilsPtr;
typedef MpSmartPointer<IMpRegistry, &IID_IMpRegistry> IMpRegistryPtr;
typedef MpSmartPointer<IMpSystemInfo, &IID_IMpSystemInfo> IMpSystemInfoPtr;
typedef MpSmartPointer<IMpTiReader, &IID_IMpTiReader> IMpTiReaderPtr;
typedef MpSmartPointer<IMpUtOsDll, &IID_IMpUtOsDll> IMpUtOsDllPtr;
typedef MpSmartPointer<IMpUtOsFile, &IID_IMpUtOsFile> IMpUtOsFilePtr;
typedef MpSmartPointer<IMpZulClass, &IID_IMpZulClass> IMpZulClassPtr;
typedef MpSmartPointer<IMpZulField, &IID_IMpZulField> IMpZulFieldPtr;

typedef MpZulSmartPointer<IMpPmEnvironment, &IID_IMpPmEnvironment> IMpPmEnvironmentPtr;
typedef MpZulSmartPointer<IMpPmEnvironmentResource, &IID_IMpPmEnvironmentResource> IMpPmEnvironmentResourcePtr;
typedef MpZulSmartPointer<IMpPmFeature, &IID_IMpPmFeature> IMpPmFeaturePtr;
typedef MpZulSmartPointer<IMpPmFeaturePrototype, &IID_IMpPmFeaturePrototype> IMpPmFeaturePrototypePtr;
typedef MpZulSmartPointer<IMpPmMachiningProcess, &IID_IMpPmMachiningProcess> IMpPmMachiningProcessPtr;
typedef MpZulSmartPointer<IMpPmMaterial, &IID_IMpPmMaterial> IMpPmMaterialPtr;
typedef MpZulSmartPointer<IMpPmModel, &IID_IMpPmModel> IMpPmModelPtr;
typedef MpZulSmartPointer<IMpPmModelInstance, &IID_IMpPmModelInstance> IMpPmModelInstancePtr;
typedef MpZulSmartPointer<IMpPmOperationSetup, &IID_IMpPmOperationSetup> IMpPmOperationSetupPtr;
typedef MpZulSmartPointer<IMpPmProduct, &IID_IMpPmProduct> IMpPmProductPtr;
typedef MpZulSmartPointer<IMpPmResourceSetup, &IID_IMpPmResourceSetup> IMpPmResourceSetupPtr;
typedef MpZulSmartPointer<IMpPmRule, &IID_IMpPmRule> IMpPmRulePtr;
typedef MpZulSmartPointer<IMpPmToolAssembly, &IID_IMpPmToolAssembly> IMpPmToolAssemblyPtr;
typedef MpZulSmartPointer<IMpPmToolSet, &IID_IMpPmToolSet> IMpPmToolSetPtr;
typedef MpZulSmartPointer<IMpZulAttachment, &IID_IMpZulAttachment> IMpZulAttachmentPtr;
typedef MpZulSmartPointer<IMpZulInstance, &IID_IMpZulInstance> IMpZulInstancePtr;
typedef MpZulSmartPointer<IMpZulLocation, &IID_IMpZulLocation> IMpZulLocationPtr;
typedef MpZulSmartPointer<IMpZulNode, &IID_IMpZulNode> IMpZulNodePtr;
typedef MpZulSmartPointer<IMpZulProject, &IID_IMpZulProject> IMpZulProjectPtr;
typedef MpZulSmartPointer<IMpZulPrototype, &IID_IMpZulPrototype> IMpZulPrototypePtr;
typedef MpZulSmartPointer<IMpZulVariantSet, &IID_IMpZulVariantSet> IMpZulVariantSetPtr;
