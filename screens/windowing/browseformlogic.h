#pragma once
// What a browse asks of an edit form: add, change, delete or view the selected row.

enum class FormRequest { Insert, Change, Delete, View };
