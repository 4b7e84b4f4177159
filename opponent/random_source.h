#pragma once

#include <cstdint>
#include <random>

namespace crucirco {

// The machine's source of chance: numbers uniform in [0, 1), one per draw.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double draw() = 0;
    virtual void reseed(std::uint32_t seed) = 0;
};

// The generator the game plays with.
class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(std::uint32_t seed = 0)
        : engine_(seed)
    {
    }

    // 53 random bits scaled by 2^-53: never 1, whatever the engine gives.
    double draw() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
    void reseed(std::uint32_t seed) override { engine_.seed(seed); }

private:
    std::mt19937_64 engine_;
};

} // namespace crucirco
