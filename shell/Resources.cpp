#include "shell/Resources.h"

#include <QtGlobal>

static void registerResources() {
    Q_INIT_RESOURCE(resources);
}

void initResources() {
    static const bool once = (registerResources(), true);
    (void)once;
}
