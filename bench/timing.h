#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

inline LONGLONG Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

// Performance counter ticks in µs.
inline double Micros(LONGLONG ticks) {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return static_cast<double>(ticks) * 1e6 / frequency;
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// One step of a timing round. A step without a name runs untimed between the others (a pointer
// move, a wait for the display), so that the timed ones do not pay for it.
struct Step {
    std::string name;
    std::function<void()> run;
};

inline Step Between(std::function<void()> run) {
    return {"", std::move(run)};
}

// The times of each named step, round by round, in µs.
class Timings {
  public:
    // One round's times, by step name.
    class Round {
      public:
        Round(const Timings& timings, std::size_t index) : timings_(timings), index_(index) {}
        double operator[](const std::string& step) const { return timings_.Of(step)[index_]; }

      private:
        const Timings& timings_;
        std::size_t index_;
    };

    void Add(const std::string& step, double micros) { times_[step].push_back(micros); }

    const std::vector<double>& Of(const std::string& step) const {
        const auto found = times_.find(step);
        if (found == times_.end()) {
            throw std::out_of_range("no timed step \"" + step + "\"");
        }
        return found->second;
    }
    double Median(const std::string& step) const { return ::Median(Of(step)); }
    // The median of `of` over the rounds: for figures of steps that ran side by side, so that a
    // slow moment of the machine counts in both.
    double MedianOf(const std::function<double(const Round&)>& of) const {
        std::vector<double> values;
        const std::size_t rounds = times_.empty() ? 0 : times_.begin()->second.size();
        for (std::size_t i = 0; i < rounds; ++i) {
            values.push_back(of(Round(*this, i)));
        }
        return ::Median(values);
    }
    double Ratio(const std::string& step, const std::string& base) const {
        return MedianOf([&](const Round& r) { return r[step] / r[base]; });
    }
    double Difference(const std::string& step, const std::string& base) const {
        return MedianOf([&](const Round& r) { return r[step] - r[base]; });
    }

  private:
    std::map<std::string, std::vector<double>> times_;
};

// Runs the steps in turn, round after round, so that a slow moment of the shared machine hits all
// of them alike: one round to warm up, then at least 7 rounds, up to 31 or about a second.
inline Timings TimeRounds(const std::vector<Step>& steps) {
    std::vector<std::string> names;
    for (const Step& step : steps) {
        if (!step.name.empty()) {
            names.push_back(step.name);
        }
    }
    std::sort(names.begin(), names.end());
    if (std::adjacent_find(names.begin(), names.end()) != names.end()) {
        throw std::invalid_argument("two timed steps of one name");
    }
    Timings timings;
    for (const Step& step : steps) {
        step.run();
    }
    const LONGLONG start = Now();
    for (int round = 0; round < 31 && (round < 7 || Micros(Now() - start) < 1e6); ++round) {
        for (const Step& step : steps) {
            const LONGLONG stepStart = Now();
            step.run();
            const double micros = Micros(Now() - stepStart);
            if (!step.name.empty()) {
                timings.Add(step.name, micros);
            }
        }
    }
    return timings;
}
