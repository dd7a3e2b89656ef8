// Stand-ins for the named-variable and resource generators until they are built; each only says
// so in the log. Delete an entry when its generator lands.
#include "generators/generators.h"
#include "shell/log.h"

void Org_ReStart() { LogInfo("\nOrg: generator not built yet"); }
void ResAGen() { LogInfo("\nResAGen: generator not built yet"); }
