// The batch table reader on any bytes: each whole 293-byte record is read without
// reading outside its fields, and what is written back reads again unchanged.

#include "batch/BatchTable.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (std::size_t offset = 0; offset + kBatchRecordSize <= size; offset += kBatchRecordSize) {
        const std::span<const std::uint8_t, kBatchRecordSize> bytes(data + offset,
                                                                    kBatchRecordSize);
        const BatchRecord record = DecodeBatchRecord(bytes);
        const BatchRecordBytes saved = EncodeBatchRecord(record);
        const BatchRecord again = DecodeBatchRecord(saved);
        FUZZ_CHECK(EncodeBatchRecord(again) == saved);
    }
    return 0;
}
