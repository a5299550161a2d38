void payroll_data_placeholder() {}
