#pragma once

#include "convert/driver/PassOutput.h"

#include <QString>

#include <memory>

class DNProfile;
class NXBasicMediaNode;

// What a pass of an item must write, read from the item itself. Every kind of item the driver
// converts is named here once: a DVD title (node and index), a DVD group title, a file item or
// a file group.

// The item's output profile (a DVD node's or group's, a file item's); null for other items.
std::shared_ptr<DNProfile> profileOfItem(NXBasicMediaNode *node);

// The output path the builder chose and stored on the item (the title's, for a DVD node).
QString passOutputName(NXBasicMediaNode *node, int titleIndex);
void setPassOutputName(NXBasicMediaNode *node, int titleIndex, const QString &path);

// The seconds the item's output lasts: its trimmed part or its whole length (a group: the sum of
// its members'); 0 when unknown.
double expectedOutputSeconds(const NXBasicMediaNode *node, int titleIndex);

// How the output of a pass of the item on engineKind is found whole. titleSecondsRead, when above
// 0, is the length the DVD title's data has when the pass runs (checkPassSource).
PassCheck passCheckFor(NXBasicMediaNode *node, int titleIndex, int engineKind, double titleSecondsRead = 0);
