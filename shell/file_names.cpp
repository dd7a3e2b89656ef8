// Storage of the start-up's file names.
#include "shell/file_names.h"

t_FileNames FileNames;
