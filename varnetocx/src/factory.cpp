#include "factory.h"

#include "varnet.h"

QObject* VarnetFactory::createInstance(QObject* parent) {
    return new Varnet(parent);
}

bool VarnetFactory::canUnloadNow() const {
    return Varnet::liveObjects() == 0;
}
