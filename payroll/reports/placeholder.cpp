void payroll_reports_placeholder() {}
