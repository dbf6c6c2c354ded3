// Application commands, their input and output, the modeler and the resource importer.
#pragma once
#include <list>
#include <string>
#include <unknwn.h>
#include "MpGuid.h"

enum class MpStatus;
class MpZulSmartList;
struct IMpOptions;
struct IMpPmEnvironmentResource;

// The class identifier of a command is given by the host when it asks for one.
MP_IDENTIFIER(IID_IMpAppCommand, "{F2F86A77-77B1-4DE3-B2F6-678B1D51F8D3}");
MP_IDENTIFIER(IID_IMpAppInput, "{C6E71575-3D4C-4F30-9C2D-E1F43ABA39B8}");
MP_IDENTIFIER(IID_IMpAppOutput, "{D26D57E7-19C6-4EDA-9279-44B94779EB3A}");
MP_IDENTIFIER(IID_IMpInput, "{CED59341-10BE-11D6-B6F6-000102A4077B}");
MP_IDENTIFIER(IID_IMpMoModeler, "{A070447C-ABFF-49B1-A632-9C5301DD5A4A}");
MP_IDENTIFIER(IID_IMpTiReader, "{FD148B76-ADDF-4685-90B7-A3689E3FF596}");
MP_IDENTIFIER(CLSID_MpTiReader, "{3641DDCB-96E5-46A3-9AAE-B05AC019B0C8}");

struct IMpAppInput;
struct IMpAppOutput;

// A host command, run with an input record filled by the caller.
struct IMpAppCommand : public IUnknown {
  virtual bool execute(IMpAppInput* input, IMpAppOutput* output) = 0;
};
struct IMpAppInput : public IUnknown {};
struct IMpAppOutput : public IUnknown {};
// The input record of the commands that move objects.
struct IMpInput : public IUnknown {
  // Offsets (relative) or the new placement (absolute); rotation angles in degrees.
  virtual bool setMove(const double position[3], const double rotation[3], bool relative) = 0;
};
struct IMpMoModeler : public IUnknown {};
struct IMpMoModeler;
// Imports resources from resource XML files into the process model.
struct IMpTiReader : public IUnknown {
  // Asks the callback for the files associated with a resource identifier.
  typedef MpStatus (*AssociatedFiles)(std::string identifier, std::list<std::string>& files);
  virtual bool import(const std::string& fileName, IMpPmEnvironmentResource* resource, IMpOptions* options,
                      IMpMoModeler* modeler, AssociatedFiles callback) = 0;
  // Appends the nodes the last import made.
  virtual bool getImportedNodes(MpZulSmartList& nodes) = 0;
};
