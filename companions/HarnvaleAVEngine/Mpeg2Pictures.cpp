#include "Mpeg2Pictures.h"

#include <cstdint>
#include <vector>

namespace {

constexpr uint32_t kPictureStart = 0x00000100;
constexpr uint32_t kExtensionStart = 0x000001B5;
constexpr uint32_t kFirstSlice = 0x00000101;
constexpr unsigned char kPictureCode = 0x00;
constexpr unsigned char kGopCode = 0xB8;
constexpr int kPictureCodingP = 2;
constexpr int kMaxSliceRows = 175; // slice start codes 0x01 to 0xAF without the extension

class BitWriter
{
public:
    void put(uint32_t value, int bits)
    {
        for (int i = bits - 1; i >= 0; --i) {
            current_ = uint8_t((current_ << 1) | ((value >> i) & 1u));
            if (++filled_ == 8)
                flush();
        }
    }
    void putCode(const char *bits)
    {
        for (; *bits; ++bits)
            put(*bits == '1', 1);
    }
    // Zero bits up to the next byte, as before every start code.
    void align()
    {
        if (filled_ > 0)
            put(0, 8 - filled_);
    }
    QByteArray bytes() const { return QByteArray(reinterpret_cast<const char *>(out_.data()), qsizetype(out_.size())); }

private:
    void flush()
    {
        out_.push_back(current_);
        current_ = 0;
        filled_ = 0;
    }
    std::vector<uint8_t> out_;
    uint8_t current_ = 0;
    int filled_ = 0;
};

// macroblock_address_increment: escapes of 33, then the code of 1 to 33.
void putAddressIncrement(BitWriter &w, int increment)
{
    static const char *const codes[34] = {
        "",            "1",           "011",         "010",         "0011",        "0010",        "00011",
        "00010",       "0000111",     "0000110",     "00001011",    "00001010",    "00001001",    "00001000",
        "00000111",    "00000110",    "0000010111",  "0000010110",  "0000010101",  "0000010100",  "0000010011",
        "0000010010",  "00000100011", "00000100010", "00000100001", "00000100000", "00000011111", "00000011110",
        "00000011101", "00000011100", "00000011011", "00000011010", "00000011001", "00000011000"};
    for (; increment > 33; increment -= 33)
        w.putCode("00000001000");
    w.putCode(codes[increment]);
}

// A P macroblock "motion compensated, not coded" with a zero forward vector: a plain copy.
void putCopiedMacroblock(BitWriter &w)
{
    w.putCode("001"); // macroblock_type: MC, not coded
    w.putCode("1");   // motion_code horizontal 0
    w.putCode("1");   // motion_code vertical 0
}

} // namespace

QByteArray mpeg2RepeatPicture(QSize size)
{
    const int columns = (size.width() + 15) / 16;
    const int rows = (size.height() + 15) / 16;
    if (columns < 1 || rows < 1 || rows > kMaxSliceRows)
        return QByteArray();
    BitWriter w;
    // picture_header; the temporal reference is numbered when the picture is written.
    w.put(kPictureStart, 32);
    w.put(0, 10);               // temporal_reference
    w.put(kPictureCodingP, 3);  // picture_coding_type
    w.put(0xFFFF, 16);          // vbv_delay: variable rate
    w.put(0, 1);                // full_pel_forward_vector
    w.put(7, 3);                // forward_f_code, "111" in MPEG-2
    w.put(0, 1);                // extra_bit_picture
    w.align();
    // picture_coding_extension of a progressive frame picture.
    w.put(kExtensionStart, 32);
    w.put(8, 4);  // extension_start_code_identifier: picture coding
    w.put(1, 4);  // f_code[0][0]: forward horizontal, smallest range
    w.put(1, 4);  // f_code[0][1]: forward vertical
    w.put(15, 4); // f_code[1][0]: no backward vectors
    w.put(15, 4); // f_code[1][1]
    w.put(0, 2);  // intra_dc_precision
    w.put(3, 2);  // picture_structure: frame
    w.put(0, 1);  // top_field_first
    w.put(1, 1);  // frame_pred_frame_dct
    w.put(0, 1);  // concealment_motion_vectors
    w.put(0, 1);  // q_scale_type
    w.put(0, 1);  // intra_vlc_format
    w.put(0, 1);  // alternate_scan
    w.put(0, 1);  // repeat_first_field
    w.put(1, 1);  // chroma_420_type
    w.put(1, 1);  // progressive_frame
    w.put(0, 1);  // composite_display_flag
    w.align();
    // One slice per row: its first and last macroblocks must be coded, those between are skipped
    // (in a P picture a skipped macroblock is copied with a zero vector).
    for (int row = 0; row < rows; ++row) {
        w.put(kFirstSlice + uint32_t(row), 32);
        w.put(1, 5); // quantiser_scale_code: no block is coded, any valid scale does
        w.put(0, 1); // extra_bit_slice
        putAddressIncrement(w, 1);
        putCopiedMacroblock(w);
        if (columns > 1) {
            putAddressIncrement(w, columns - 1);
            putCopiedMacroblock(w);
        }
        w.align();
    }
    return w.bytes();
}

void Mpeg2PictureCounter::number(QByteArray &data)
{
    number(reinterpret_cast<unsigned char *>(data.data()), data.size());
}

void Mpeg2PictureCounter::number(unsigned char *data, qsizetype size)
{
    // A packet holds one picture, after the headers that begin a GOP; the slices that follow
    // need no reading.
    for (qsizetype i = 0; i + 5 < size; ++i) {
        if (data[i] != 0 || data[i + 1] != 0 || data[i + 2] != 1)
            continue;
        if (data[i + 3] == kGopCode)
            next_ = 0;
        if (data[i + 3] == kPictureCode) {
            const int reference = next_++ & 0x3FF;
            data[i + 4] = uint8_t(reference >> 2);
            data[i + 5] = uint8_t((data[i + 5] & 0x3F) | ((reference & 3) << 6));
            return;
        }
        i += 3;
    }
}
