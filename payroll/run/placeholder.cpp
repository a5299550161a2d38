void payroll_run_placeholder() {}
