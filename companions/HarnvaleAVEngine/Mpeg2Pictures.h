#pragma once

#include <QByteArray>
#include <QSize>

// The MPEG-2 pictures the engine writes itself. A photo standing still for seconds is encoded
// once; every further frame of it is a repeat picture: a P picture in which every macroblock
// copies the one before it unchanged, a few hundred bytes that cost nothing to make and little
// to decode. The movie keeps a picture for every frame, as a player and any later conversion
// expect.

// The repeat picture of a progressive frame of size (no sequence or GOP header); empty when
// the size needs more slices than a picture without slice extensions has (over 2800 rows).
QByteArray mpeg2RepeatPicture(QSize size);

// Numbers the pictures of an encoded stream in display order, as a stream without B pictures
// counts them: from 0 after each GOP header, one up per picture. The encoder counts only the
// pictures it made; with repeat pictures between them, the counter numbers both. Rewrites the
// temporal reference of the picture in a packet in place.
class Mpeg2PictureCounter
{
public:
    void number(QByteArray &data);
    void number(unsigned char *data, qsizetype size);

private:
    int next_ = 0;
};
