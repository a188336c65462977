#pragma once

#include <QString>

#include <memory>

// An audio track of a DVD title.
class DNDVDTAudio
{
public:
    QString audioCodec() const { return audioCodec_; } // "ac3", "mpeg1", "mpeg2", "lpcm", "dts", "unknown codec"
    void setAudioCodec(const QString &v) { audioCodec_ = v; }
    QString audioLang() const { return audioLang_; }   // display name, "??" when the code has none
    void setAudioLang(const QString &v) { audioLang_ = v; }
    // The stream id on the disc (AC-3 0x80+n, DTS 0x88+n, LPCM 0xA0+n, MPEG n): what the engines'
    // audio-track option wants.
    int audioID() const { return audioID_; }
    void setAudioID(int v) { audioID_ = v; }
    int channel() const { return channel_; }
    void setChannel(int v) { channel_ = v; }
    int index() const { return index_; }               // 0-based, disc order
    void setIndex(int v) { index_ = v; }
    bool isSelected() const { return isSelected_; }
    void setIsSelected(bool v) { isSelected_ = v; }

    // Rank of the codec for the default track choice: AC-3 and DTS 100, MPEG-2 99, MPEG-1 98,
    // LPCM -1, anything else 0.
    int audioCodecPriority() const;

    // "%d: lang-->%@ ID-->%d", for the log.
    QString description() const;

private:
    QString audioCodec_;
    QString audioLang_;
    int audioID_ = 0;
    int channel_ = 0;
    int index_ = 0;
    bool isSelected_ = false;
};

using DNDVDTAudioPtr = std::shared_ptr<DNDVDTAudio>;
