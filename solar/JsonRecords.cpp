#include "solar/JsonRecords.h"

#include <nlohmann/json.hpp>

using nlohmann::json;

namespace {

/// Keeps only what ReadJsonRecords hands on: the records' scalar members, one
/// record at a time, and how deep the parse is.
class RecordReader : public nlohmann::json_sax<json> {
public:
    explicit RecordReader(const std::function<void(const JsonRecord&)>& onRecord)
        : m_onRecord(onRecord) {}

    std::string error;

    bool null() override { return Scalar({}); }
    bool boolean(bool) override { return Scalar({}); }
    bool number_integer(number_integer_t value) override {
        return Scalar({static_cast<double>(value), {}});
    }
    bool number_unsigned(number_unsigned_t value) override {
        return Scalar({static_cast<double>(value), {}});
    }
    bool number_float(number_float_t value, const string_t&) override {
        return Scalar({value, {}});
    }
    bool string(string_t& value) override {
        if (value.size() > kMaxJsonRecordText)
            return Scalar({});
        return Scalar({{}, std::move(value)});
    }
    bool binary(binary_t&) override { return Scalar({}); }
    bool key(string_t& value) override {
        if (m_depth == 2)
            m_key = value.size() > kMaxJsonRecordText ? std::string() : std::move(value);
        return true;
    }
    bool start_object(std::size_t) override { return Open(false); }
    bool start_array(std::size_t) override { return Open(true); }
    bool end_object() override { return Close(); }
    bool end_array() override { return Close(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        if (error.empty())
            error = "not valid JSON (cut short or damaged)";
        return false;
    }

private:
    bool Scalar(JsonScalar value) {
        if (m_depth == 0) {
            error = "not a JSON array";
            return false;
        }
        if (m_depth == 2 && m_record.fields.size() < kMaxJsonRecordFields)
            m_record.fields.emplace_back(m_record.isArray ? std::string() : std::move(m_key),
                                         std::move(value));
        return true;
    }
    bool Open(bool isArray) {
        if (m_depth == 0 && !isArray) {
            error = "not a JSON array";
            return false;
        }
        if (m_depth == 2) // a container inside a record counts as nothing usable
            Scalar({});
        if (++m_depth > kMaxJsonDepth) {
            error = "nested more than " + std::to_string(kMaxJsonDepth) + " levels deep";
            return false;
        }
        if (m_depth == 2) {
            m_record.isArray = isArray;
            m_record.fields.clear();
        }
        return true;
    }
    bool Close() {
        if (m_depth == 2)
            m_onRecord(m_record);
        --m_depth;
        return true;
    }

    const std::function<void(const JsonRecord&)>& m_onRecord;
    JsonRecord m_record;
    std::string m_key;
    int m_depth = 0;
};

} // namespace

const JsonScalar* JsonRecord::Find(std::string_view key) const {
    for (const auto& [name, value] : fields)
        if (name == key)
            return &value;
    return nullptr;
}

std::string ReadJsonRecords(std::string_view text,
                            const std::function<void(const JsonRecord&)>& onRecord) {
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return "empty";
    RecordReader reader(onRecord);
    if (!json::sax_parse(text, &reader) && reader.error.empty())
        reader.error = "not valid JSON (cut short or damaged)";
    return reader.error;
}
