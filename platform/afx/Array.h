// CArray: the framework's dynamic array of values. New elements are value-initialised, so the
// plain fields of a record start at zero.
#pragma once

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_items.empty(); }
    int GetUpperBound() const { return GetSize() - 1; }
    void SetSize(int nNewSize) { m_items.resize(nNewSize > 0 ? static_cast<size_t>(nNewSize) : 0); }
    void RemoveAll() { m_items.clear(); }

    TYPE& ElementAt(int i) { return m_items.at(static_cast<size_t>(i)); }
    const TYPE& GetAt(int i) const { return m_items.at(static_cast<size_t>(i)); }
    void SetAt(int i, ARG_TYPE item) { m_items.at(static_cast<size_t>(i)) = item; }
    TYPE& operator[](int i) { return ElementAt(i); }
    const TYPE& operator[](int i) const { return GetAt(i); }

    int Add(ARG_TYPE item)
    {
        m_items.push_back(item);
        return GetUpperBound();
    }
    void InsertAt(int i, ARG_TYPE item) { m_items.insert(m_items.begin() + Checked(i, true), item); }
    void RemoveAt(int i, int nCount = 1)
    {
        const size_t first = Checked(i, false);
        const size_t last = std::min(m_items.size(), first + static_cast<size_t>(nCount > 0 ? nCount : 0));
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(first), m_items.begin() + static_cast<std::ptrdiff_t>(last));
    }

private:
    std::ptrdiff_t Checked(int i, bool allowEnd) const
    {
        if (i < 0 || static_cast<size_t>(i) > m_items.size() || (!allowEnd && static_cast<size_t>(i) == m_items.size()))
            throw std::out_of_range("CArray index");
        return i;
    }

    std::vector<TYPE> m_items;
};
