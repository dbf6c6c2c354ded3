// Test double of the data-management integration library: loading it is all its users do.
extern "C" __declspec(dllexport) int JqIntegrationVersion() { return 1; }
