#pragma once

class NXBasicMediaNode;

// Container and codec tests on a media item, read by the file item, the thumbnail queue and the
// file builders. The container tests other than IsAVIFile hold only for an item that is exactly a
// file item (groups and slideshow stand-ins answer NO); a null item gives NO everywhere.
bool IsBDAVOrMPEGTSFile(const NXBasicMediaNode *node);
bool IsMatroskaFile(const NXBasicMediaNode *node);
bool IsWebMFile(const NXBasicMediaNode *node);
bool IsMPEGPSFile(const NXBasicMediaNode *node);
bool IsRealMediaFile(const NXBasicMediaNode *node);
bool IsNeitherMatroskaWebMNorPS(const NXBasicMediaNode *node);
bool IsAVIFile(const NXBasicMediaNode *node);
// A protected ("drmi") video track.
bool HasDrmiVideoTrack(const NXBasicMediaNode *node);
bool IsFreeOfDrmiVideoTrack(const NXBasicMediaNode *node);
bool HasIcodVideoTrack(const NXBasicMediaNode *node);
bool Has2vuyVideoTrack(const NXBasicMediaNode *node);
bool HasG2M4VideoTrack(const NXBasicMediaNode *node);
