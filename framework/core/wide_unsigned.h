#pragma once

#include <array>
#include <cstdint>

// An unsigned integer of up to 640 bits, with the few operations that exact float conversion
// needs. Nothing checks for overflow: callers keep their numbers within the width.
class WideUnsigned {
public:
    explicit WideUnsigned(std::uint32_t value = 0) { limbs_[0] = value; }

    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend = 0) {
        std::uint64_t carry = addend;
        for (auto& limb : limbs_) {
            carry += std::uint64_t{limb} * factor;
            limb = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
    }

    void MultiplyByPowerOfTen(int exponent) {
        for (; exponent >= 9; exponent -= 9) {
            MultiplyAdd(1'000'000'000);
        }
        for (; exponent > 0; --exponent) {
            MultiplyAdd(10);
        }
    }

    void ShiftLeft(int bits) {
        const int limbShift = bits / 32;
        const int bitShift = bits % 32;
        for (int i = kLimbs - 1; i >= 0; --i) {
            const int from = i - limbShift;
            std::uint32_t limb = from >= 0 ? limbs_[from] << bitShift : 0;
            if (bitShift != 0 && from >= 1) {
                limb |= limbs_[from - 1] >> (32 - bitShift);
            }
            limbs_[i] = limb;
        }
    }

    int BitLength() const {
        for (int i = kLimbs - 1; i >= 0; --i) {
            if (limbs_[i] != 0) {
                int bits = 32 * i;
                for (std::uint32_t limb = limbs_[i]; limb != 0; limb >>= 1) {
                    ++bits;
                }
                return bits;
            }
        }
        return 0;
    }

    // Negative, zero or positive as this is below, equal to or above other.
    int Compare(const WideUnsigned& other) const {
        for (int i = kLimbs - 1; i >= 0; --i) {
            if (limbs_[i] != other.limbs_[i]) {
                return limbs_[i] < other.limbs_[i] ? -1 : 1;
            }
        }
        return 0;
    }

    // Only for other not above this.
    void Subtract(const WideUnsigned& other) {
        std::uint32_t borrow = 0;
        for (int i = 0; i < kLimbs; ++i) {
            const std::uint64_t taken = std::uint64_t{other.limbs_[i]} + borrow;
            borrow = limbs_[i] < taken ? 1 : 0;
            limbs_[i] = static_cast<std::uint32_t>(limbs_[i] - taken);
        }
    }

private:
    static constexpr int kLimbs = 20;
    std::array<std::uint32_t, kLimbs> limbs_{};
};
