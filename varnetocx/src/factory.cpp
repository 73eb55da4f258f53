// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "factory.h"

#include "varnet.h"

QObject* VarnetFactory::createInstance(QObject* parent) {
    return new Varnet(parent);
}

bool VarnetFactory::canUnloadNow() const {
    return Varnet::liveObjects() == 0;
}
