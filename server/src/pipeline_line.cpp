// The part of pipeline.h that is the same on every system: reading a mode file's line.
#include <cstring>
#include <stdexcept>

#include "pipeline.h"

namespace plv {

PipelineCommand ParsePipelineLine(std::string_view line, const std::string& arg1, const std::string& arg2) {
    PipelineCommand stages(1);
    std::string word;
    bool in_word = false;  // a word was started, even if empty ('' counts)
    auto finish_word = [&] {
        if (in_word) stages.back().push_back(word);
        word.clear();
        in_word = false;
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            finish_word();
        } else if (c == '|') {
            finish_word();
            if (stages.back().empty()) throw std::runtime_error("empty stage in pipeline");
            stages.emplace_back();
        } else if (c == '\'') {
            auto end = line.find('\'', i + 1);
            if (end == std::string_view::npos) throw std::runtime_error("unterminated quote in pipeline");
            word.append(line.substr(i + 1, end - i - 1));
            in_word = true;
            i = end;
        } else if (c == '"') {
            std::size_t j = i + 1;
            for (; j < line.size() && line[j] != '"'; ++j) {
                if (line[j] == '\\' && j + 1 < line.size()) ++j;
                if (line[j] == '$' || line[j] == '`')
                    throw std::runtime_error("expansion inside quotes in pipeline");
                word += line[j];
            }
            if (j >= line.size()) throw std::runtime_error("unterminated quote in pipeline");
            in_word = true;
            i = j;
        } else if (c == '\\' && i + 1 < line.size()) {
            word += line[++i];
            in_word = true;
        } else if (c == '$' && i + 1 < line.size() && (line[i + 1] == '1' || line[i + 1] == '2')) {
            const std::string& v = line[i + 1] == '1' ? arg1 : arg2;
            word += v;
            if (!v.empty()) in_word = true;
            ++i;
        } else if (std::strchr("$`;&<>(){}*?~", c) != nullptr) {
            throw std::runtime_error(std::string("unsupported shell syntax '") + c + "' in pipeline");
        } else {
            word += c;
            in_word = true;
        }
    }
    finish_word();
    if (stages.back().empty()) throw std::runtime_error("empty stage in pipeline");
    return stages;
}

}  // namespace plv
